#include "dialogs/desktop_dialogs.h"

#include <QCoreApplication>
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

bool StandardDialogs::question(QWidget* parent, const QString& text, DefaultAnswer defaultAnswer)
{
    QMessageBox box(QMessageBox::Question, kProgramTitle, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(defaultAnswer == DefaultAnswer::Yes ? QMessageBox::Yes : QMessageBox::No);
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
    QFileDialog dialog(parent, QCoreApplication::translate("corvix::StandardDialogs", "Export"), initialPath, filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // "PNG image (*.png)" -> "png": a name typed without an extension gets the one chosen.
    const auto extensionOf = [](const QString& filter) { return filter.section(QStringLiteral("*."), 1).section(QLatin1Char(')'), 0, 0); };
    dialog.selectNameFilter(selectedFilter);
    dialog.setDefaultSuffix(extensionOf(selectedFilter));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, extensionOf](const QString& filter) { dialog.setDefaultSuffix(extensionOf(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    selectedFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().constFirst();
}

} // namespace corvix
