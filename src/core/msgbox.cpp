#include "core/msgbox.h"

#include "core/modal.h"

#include <QApplication>
#include <QMessageBox>

namespace core {
namespace {

void box(QMessageBox::Icon icon, const QString& caption, const QString& text)
{
    QMessageBox b(icon, caption, text, QMessageBox::Ok);
    b.setObjectName(QStringLiteral("TMessageBox"));
    b.setAccessibleName(caption);
    showModal(&b);
}

}  // namespace

void showMessage(const QString& text) { box(QMessageBox::NoIcon, QApplication::applicationName(), text); }

void warningBox(const QString& text) { box(QMessageBox::Warning, QStringLiteral("Warning"), text); }

}  // namespace core
