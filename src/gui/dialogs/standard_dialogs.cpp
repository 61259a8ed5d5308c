#include "dialogs/desktop_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace corvix {

namespace {

const QString kProgramTitle = QStringLiteral("Corvix");
const QString kDiagramFilter = QStringLiteral("FXG(*.FXG)");
// Open also takes Mermaid flowcharts, which come in as new drawings.
const QString kOpenFilter = kDiagramFilter + QStringLiteral(";;Mermaid flowchart (*.mmd *.mermaid)");

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void StandardDialogs::message(QWidget* parent, const QString& text, MessageIcon icon)
{
    QMessageBox box(boxIcon(icon), kProgramTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

bool StandardDialogs::question(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Question, kProgramTitle, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString StandardDialogs::openFileName(QWidget* parent, const QString& initialPath)
{
    return QFileDialog::getOpenFileName(parent, QString(), initialPath, kOpenFilter);
}

QString StandardDialogs::saveFileName(QWidget* parent, const QString& initialPath)
{
    return QFileDialog::getSaveFileName(parent, QString(), initialPath, kDiagramFilter);
}

QString StandardDialogs::exportFileName(QWidget* parent, const QString& initialPath, const QStringList& filters,
                                        QString& selectedFilter)
{
    return QFileDialog::getSaveFileName(parent, QObject::tr("Export"), initialPath, filters.join(QStringLiteral(";;")),
                                        &selectedFilter);
}

} // namespace corvix
