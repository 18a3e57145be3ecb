#include "core/noticeboard.h"

#include "core/artwork.h"
#include "core/datam.h"
#include "core/forms.h"
#include "core/gradbtn.h"
#include "core/messages.h"
#include "core/modal.h"
#include "core/style.h"
#include "core/uzenetm.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextLayout>
#include <QVBoxLayout>

namespace core {

namespace noticesql {
const QString load = QStringLiteral(
    "select *,users.teljnev from uzenofal join users on users.user_id=uzenofal.iro where torolt<>'true' order by datum ");
const QString remove = QStringLiteral("delete from uzenofal where uzenet_id=:par");
}  // namespace noticesql

namespace {

constexpr int headerHeight = 20;
constexpr int entryGap = 6;  // between a message and the header below it
constexpr int textIndent = 4;  // the message text in from the list's edges

void indent(QTextDocument& doc)
{
    QTextFrameFormat f = doc.rootFrame()->frameFormat();
    f.setLeftMargin(textIndent);
    f.setRightMargin(textIndent);
    doc.rootFrame()->setFrameFormat(f);
}

// lines the text takes in the given font when wrapped at the given width
// (no wrapping for a width of 0 or less)
int visualLines(const QString& text, const QFont& font, int width)
{
    QTextDocument doc;
    doc.setDefaultFont(font);
    doc.setDocumentMargin(0);
    doc.setPlainText(text);
    indent(doc);
    doc.setTextWidth(width > 0 ? width : -1);
    int lines = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        doc.documentLayout()->blockBoundingRect(b);  // lays the block out
        lines += qMax(1, b.layout()->lineCount());
    }
    return qMax(1, lines);
}

// messages written on other systems may end their lines with CR LF or CR
QString plainLines(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

}  // namespace

// ---- header ------------------------------------------------------------------

NoticeHeader::NoticeHeader(const QString& text, int uzenetId, QWidget* parent)
    : QWidget(parent), text_(text), id_(uzenetId)
{
    setFixedHeight(headerHeight);
    setAccessibleName(text_.trimmed());
    delete_ = new GradBtn(QString(), this);
    delete_->setObjectName(QStringLiteral("delete_%1").arg(uzenetId));
    delete_->setFlat(true);
    delete_->setIcon(QIcon(artwork::glyph(artwork::Glyph::Delete, 14)));
    delete_->setIconSize(QSize(14, 14));
    delete_->setMinimumHeight(0);
    delete_->setAccessibleName(QStringLiteral("Delete"));
    delete_->setToolTip(QStringLiteral("Delete this message"));
    connect(delete_, &QPushButton::clicked, this, [this] { emit deleteClicked(id_); });
}

QPushButton* NoticeHeader::deleteButton() const { return delete_; }

void NoticeHeader::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    delete_->setGeometry(width() - 40, 1, 36, height() - 2);
}

void NoticeHeader::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient g(0, 0, width(), 0);
    g.setColorAt(0, style::noticeHeaderFrom);
    g.setColorAt(1, style::noticeHeaderTo);
    p.fillRect(rect(), g);
    QFont f = font();
    f.setUnderline(true);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(rect().adjusted(0, 0, -44, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text_);
}

// ---- board -------------------------------------------------------------------

NoticeBoard::NoticeBoard(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel_uzenofal"));
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    title_ = new GradLabel(QStringLiteral(" Notice board"), this);
    title_->setFixedHeight(headerHeight);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("ScrollBox1"));
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setAccessibleName(QStringLiteral("Notice board"));
    content_ = new QWidget;
    content_->setObjectName(QStringLiteral("uzenetek"));
    content_->setAutoFillBackground(true);
    content_->setBackgroundRole(QPalette::Base);
    column_ = new QVBoxLayout(content_);
    column_->setContentsMargins(0, 0, 0, 0);
    column_->setSpacing(0);
    column_->addStretch(1);
    scroll_->setWidget(content_);
    scroll_->viewport()->installEventFilter(this);

    add_ = new GradBtn(QStringLiteral("Add"), this);
    add_->setObjectName(QStringLiteral("GradBtn1"));
    refresh_ = new GradBtn(QStringLiteral("Refresh"), this);
    refresh_->setObjectName(QStringLiteral("GradBtn2"));
    for (GradBtn* b : {add_, refresh_}) b->setMinimumWidth(90);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(29, 0, 0, 0);  // "Add" 30 pixels in from the frame's left edge
    buttons->setSpacing(1);
    buttons->addWidget(add_);
    buttons->addWidget(refresh_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(title_);
    layout->addSpacing(19);  // the list starts 40 pixels from the top
    layout->addWidget(scroll_, 1);
    layout->addSpacing(2);
    layout->addLayout(buttons);
    layout->addSpacing(2);

    connect(add_, &QPushButton::clicked, this, &NoticeBoard::addMessage);
    connect(refresh_, &QPushButton::clicked, this, &NoticeBoard::refresh);
}

int NoticeBoard::lineHeight() const { return fontMetrics().height() + 1; }

void NoticeBoard::clearEntries()
{
    // everything above the closing stretch; a delete button may be the sender of
    // the reload that removes it, so widgets go once control is back in the loop
    while (column_->count() > 1) {
        QLayoutItem* item = column_->takeAt(0);
        if (QWidget* w = item->widget()) {
            w->hide();
            w->deleteLater();
        }
        delete item;
    }
    entries_.clear();
}

bool NoticeBoard::reload()
{
    refresh_->setEnabled(false);
    clearEntries();
    Tdm& d = dm();
    db::Dataset rows;
    try {
        rows = d.conn().open(noticesql::load);
    } catch (const db::DbError& e) {
        d.showError(e);
        return false;
    }
    for (int r = 0; r < rows.rowCount(); ++r) {
        const db::Row row = rows.row(r);
        auto* text = new QTextEdit(content_);
        text->setObjectName(QStringLiteral("uzenet_%1").arg(row.text(QStringLiteral("uzenet_id"))));
        text->setReadOnly(true);
        text->setFrameShape(QFrame::NoFrame);
        text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        text->document()->setDocumentMargin(0);
        text->setFont(font());
        text->setPlainText(plainLines(row.text(QStringLiteral("uzenet"))));
        indent(*text->document());
        text->setAccessibleName(QStringLiteral("Message"));
        auto* header = new NoticeHeader(QLatin1Char(' ') + row.text(QStringLiteral("teljnev")) + QStringLiteral(" - ")
                                            + row.text(QStringLiteral("datum")),
                                        row.toInt(QStringLiteral("uzenet_id")), content_);
        header->setFont(font());
        connect(header, &NoticeHeader::deleteClicked, this, &NoticeBoard::deleteMessage);
        // oldest first from the server, each put on top: the newest ends up first
        column_->insertSpacing(0, entryGap);
        column_->insertWidget(0, text);
        column_->insertWidget(0, header);
        entries_.insert(entries_.begin(), Entry{header, text});
    }
    fitEntries();
    refresh_->setEnabled(true);
    return true;
}

void NoticeBoard::fitEntries()
{
    const int width = scroll_->viewport()->width();
    for (const Entry& e : entries_)
        e.text->setFixedHeight(visualLines(e.text->toPlainText(), e.text->font(), width) * lineHeight());
}

void NoticeBoard::scrollToTop() { scroll_->verticalScrollBar()->setValue(0); }

void NoticeBoard::refresh()
{
    reload();
    scrollToTop();
}

void NoticeBoard::addMessage()
{
    if (!dm().jogell(QStringLiteral("CD"))) return;
    showModal(Forms::ensure<Tuzenetm>(QStringLiteral("Tuzenetm")));
    reload();
}

void NoticeBoard::deleteMessage(int uzenetId)
{
    Tdm& d = dm();
    if (!d.jogell(QStringLiteral("D"))) return;
    if (!d.kerdes(msg::confirmDelete)) return;
    try {
        d.conn().exec(noticesql::remove, {{QStringLiteral("par"), uzenetId}});
    } catch (const db::DbError& e) {
        d.showError(e);
        return;
    }
    reload();
}

bool NoticeBoard::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == scroll_->viewport() && e->type() == QEvent::Resize) {
        fitEntries();
        scrollToTop();
    }
    return QFrame::eventFilter(watched, e);
}

void NoticeBoard::paintEvent(QPaintEvent* e)
{
    {
        QPainter p(this);
        p.drawPixmap(1, 1, artwork::boardBackground(size() - QSize(2, 2)));
    }
    QFrame::paintEvent(e);
}

}  // namespace core
