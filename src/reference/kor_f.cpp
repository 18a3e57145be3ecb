#include "reference/kor_f.h"

#include "core/datam.h"
#include "core/messages.h"
#include "core/modal.h"
#include "core/pwait_procf.h"
#include "db/sqltext.h"
#include "reference/geosql.h"
#include "reference/kormod.h"
#include "reference/searchtree.h"

#include <QShowEvent>
#include <optional>

namespace reference {

KorTree::KorTree(Role role, Tkorm* editor, QWidget* parent)
    : TreeWindow(role, role == Role::Maintain ? QStringLiteral("Tkorok") : QStringLiteral("Tkorok2"),
                 QStringLiteral("Geologic Time"), role == Role::Maintain ? QStringLiteral("kor") : QStringLiteral("kor2"),
                 parent),
      editor_(role == Role::Maintain ? editor : nullptr)
{
    setBody(tree());
    resize(470, 620);
    if (editor_) connect(editor_, &Tkorm::saved, this, &TreeWindow::setChanged);
}

void KorTree::showEvent(QShowEvent* e)
{
    TreeWindow::showEvent(e);
    if (e->spontaneous()) return;
    build();
    if (role() == Role::Pick) {
        const QString current = core::dm().slot(launcher()).trimmed();
        if (db::isPlainInteger(current)) tree()->selectNode(current.toInt());
    }
    tree()->setFocus(Qt::OtherFocusReason);
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

void KorTree::openEditor(const QString& id, int parent)
{
    core::Tdm& dm = core::dm();
    const QString parentKey = parent ? QString::number(parent) : QString();
    editor_->prepare(id, parentKey, parent ? dm.kornev(parentKey) : QString());
    beforeEdit();
    core::showModal(editor_);
    afterEdit(editor_->id().trimmed().toInt());
}

void KorTree::add()
{
    if (!editor_) return;
    openEditor(QString(), 0);
}

void KorTree::addSibling()
{
    if (!editor_) return;
    openEditor(QString(), SearchTree::parentId(tree()->currentItem()));
}

void KorTree::addChild()
{
    if (!editor_) return;
    openEditor(QString(), tree()->currentId());
}

void KorTree::edit()
{
    if (!editor_ || !tree()->currentItem()) return;
    openEditor(QString::number(tree()->currentId()), 0);
}

void KorTree::remove()
{
    core::Tdm& dm = core::dm();
    if (!editor_ || !tree()->currentItem() || !dm.jogell(QStringLiteral("D"))) return;
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
