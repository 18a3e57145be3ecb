#include "reference/kor_f.h"

#include "core/datam.h"
#include "core/messages.h"
#include "core/modal.h"
#include "core/pwait_procf.h"
#include "db/sqltext.h"
#include "reference/geosql.h"
#include "reference/kormod.h"
#include "reference/searchtree.h"

#include <optional>

namespace reference {

KorTree::KorTree(Role role, Tkorm* editor, QWidget* parent)
    : TreeWindow(role, role == Role::Maintain ? QStringLiteral("Tkorok") : QStringLiteral("Tkorok2"),
                 QStringLiteral("Geologic Time"), role == Role::Maintain ? QStringLiteral("kor") : QStringLiteral("kor2"),
                 editor, QString(), parent)
{
    setBody(tree());
    resize(470, 620);
}

void KorTree::build()
{
    core::Tdm& dm = core::dm();
    for (db::Query* q : {&all_, &tops_, &cmd_}) q->setConnection(&dm.conn());
    std::optional<core::ProcWait> wait;
    if (role() == Role::Maintain) wait.emplace();
    try {
        all_.open(korAllRowsSql());
        tops_.open(korTopSql());
    } catch (const db::DbError& e) {
        dm.showError(e);
    }
    // children in the order of the rows: by sorrend within each parent
    tree()->build(
        SearchTree::rowsOf(all_.data(), QStringLiteral("kor_id"), QStringLiteral("kor_papa"), QStringLiteral("kor_nev")),
        SearchTree::rowsOf(tops_.data(), QStringLiteral("kor_id"), QString(), QStringLiteral("kor_nev")));
    tree()->scrollToTop();
    if (tree()->topLevelItemCount() > 0) tree()->setCurrentItem(tree()->topLevelItem(0));
}

void KorTree::remove()
{
    core::Tdm& dm = core::dm();
    if (!editor() || !tree()->currentItem() || !dm.jogell(QStringLiteral("D"))) return;
    if (!dm.kerdes(msg::confirmDelete)) return;
    try {
        cmd_.exec(korDeleteSql(), {{QStringLiteral("par"), db::Value(tree()->currentId())}});
    } catch (const db::DbError& e) {
        dm.showError(e);  // a time unit still in use stays
        return;
    }
    build();
}

}  // namespace reference
