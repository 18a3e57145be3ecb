#pragma once
// The geological time trees: Tkorok ("Geologic Time") for maintenance, also the
// picker kor, and Tkorok2 ("Geologic Time"), the picker kor2. The units of each
// level are in their order (sorrend), from the oldest to the youngest.

#include "db/query.h"
#include "reference/treewindow.h"

namespace reference {

class Tkorm;

class KorTree : public TreeWindow {
    Q_OBJECT
public:
    // editor: the time editor (Maintain only)
    KorTree(Role role, Tkorm* editor, QWidget* parent = nullptr);

    db::Query& units() { return all_; }

    void build() override;
    void remove() override;

private:
    db::Query all_;
    db::Query tops_;
    db::Query cmd_;
};

}  // namespace reference
