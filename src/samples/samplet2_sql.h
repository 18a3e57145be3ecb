#pragma once
// Statement texts and pure rules of the sample list Tsamplet2.

#include "db/dataset.h"

#include <QString>
#include <array>

namespace samples {

// the list fetch (all samples, inner joins on type and creator) in the given order
QString sampleListSql(const QString& listOrder);
// the twelve-table delete of one sample in one transaction
QString sampleDeleteSql(const QString& sampleId);
// sent after a failed delete
inline const QString sampleDeleteRollback = QStringLiteral("rollback");

// "0" and then "," + sample_id of every visible row, in the rows' current order
QString sampleIdList(const db::Dataset& rows);

// column widths in column order (ID, Sample name, Type, Short Desc., Created on,
// Created by) for a grid of the given width
std::array<int, 6> listWidths(int gridWidth);
// the widths a search leaves
inline constexpr std::array<int, 6> searchWidths = {50, 180, 120, 180, 120, 100};

}  // namespace samples
