#pragma once
// Statement texts of the sample editor shell: the sample row of the whole-sample
// load, the tree's measurement and analysis nodes, the description.

#include <QString>

namespace samples {

// the sample row with the names of its people, institutes and creator
QString sampleRowSql(const QString& sampleId);
// the measurements of the sample for the tree's measurement nodes
QString measurementNodesSql(const QString& sampleId);
// the chemical analyses of the sample for the nodes under "Chemical Composition"
QString analysisNodesSql(const QString& sampleId);
// caption of the k-th measurement node (from 1) of a type
QString measurementNodeCaption(int k, const QString& name);

QString descLoadSql(const QString& sampleId);
// with :par the description text
QString descSaveSql(const QString& sampleId);

}  // namespace samples
