#pragma once
// The measurement types of a sample: the codes shared by the measurement table,
// the editor's tree (a type node carries the type code, a measurement node the
// type code times ten), the page that shows the type, the photo group and the
// literature link type of its measurements.

#include <QString>
#include <vector>

namespace samples {

struct MeresType {
    int tipus;          // meresek.tipus, also the code of the type node
    QString caption;    // caption of the type node
    QString page;       // page of the editor that shows the type
    int photoGroup;     // kepekt.csoport of its photos, 0: none
    int linkType;       // mint_lit.type of its literature links
    int parent;         // tree node the type node hangs under (33 or 34)
};

// in tree order: 331 … 335 under "Mineralogical Composition", 341, 342 under
// "Isotopical Investigation"
const std::vector<MeresType>& meresTypes();
// the type of a type node (331) or of a measurement node (3310); nullptr for others
const MeresType* meresTypeOfNode(int code);
inline bool isTypeNode(int code) { const MeresType* t = meresTypeOfNode(code); return t && t->tipus == code; }
inline bool isMeasurementNode(int code) { const MeresType* t = meresTypeOfNode(code); return t && t->tipus * 10 == code; }

}  // namespace samples
