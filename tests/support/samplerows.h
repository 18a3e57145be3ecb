#pragma once
// Rows that hang on one sample, for tests of what deleting or showing a sample
// does to them, arranged through the caller's second session.

#include <QString>
#include <functional>

namespace testing_support {

// runs one statement and returns the first value it gave ("" for none)
using RunSql = std::function<QString(const QString&)>;

// For a saved sample: a macroscopic (331) and a CL (335) measurement, a person on
// the first and on a chemical analysis with one element value, a macroscopic and
// a microscopic mineral row, a CL row, physical properties, ESR, FA/QTA, a
// conservation substance, a literature entry linked to the sample (type 1) and to
// the measurement (type 4), and a picture of the measurement.
void addSampleRows(const QString& sampleId, const RunSql& sql);

}  // namespace testing_support
