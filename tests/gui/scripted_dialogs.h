#pragma once

#include "dialogs/desktop_dialogs.h"

#include <QQueue>
#include <QTest>
#include <QStringList>

#include <utility>

namespace corvix {

// Answers every box and file dialog from queues and records what was shown, so a test
// never blocks on a modal window. An unexpected question fails the test (and is answered
// No); an unexpected file dialog is cancelled.
class ScriptedDialogs final : public DesktopDialogs {
public:
    void message(QWidget*, const QString& text, MessageIcon icon) override
    {
        messages << text;
        icons << icon;
    }

    bool question(QWidget*, const QString& text, DefaultAnswer = DefaultAnswer::Yes) override
    {
        questions << text;
        if (answers.isEmpty()) {
            QTest::qFail(qPrintable("unexpected question: " + text), __FILE__, __LINE__);
            return false;
        }
        return answers.dequeue();
    }

    QString openFileName(QWidget*, const QString&) override { return openPaths.isEmpty() ? QString() : openPaths.dequeue(); }
    QString saveFileName(QWidget*, const QString&) override { return savePaths.isEmpty() ? QString() : savePaths.dequeue(); }

    // Answers with the next export choice: a path and the filter left chosen (empty keeps
    // the one offered).
    QString exportFileName(QWidget*, const QString& initialPath, const QStringList& filters,
                           QString& selectedFilter) override
    {
        exportInitialPaths << initialPath;
        exportFilters = filters;
        if (exportChoices.isEmpty())
            return QString();
        const auto [path, filter] = exportChoices.dequeue();
        if (!filter.isEmpty())
            selectedFilter = filter;
        return path;
    }

    QStringList messages;
    QList<MessageIcon> icons;  // one a message
    QStringList questions;
    QQueue<bool> answers;
    QQueue<QString> openPaths;
    QQueue<QString> savePaths;
    QQueue<std::pair<QString, QString>> exportChoices;
    QStringList exportFilters;  // as the last export dialog offered them
    QStringList exportInitialPaths;  // the name each export dialog proposed
};

} // namespace corvix
