#pragma once

#include "parser/Settings.h"

#include <QDialog>

#include <memory>
#include <vector>

class QTabWidget;

namespace tessaly::memo {
class TSyntaxMemo;
}
namespace tessaly::parser {
class TSyntaxMemoParser;
}
namespace tessaly::platform {
class TDialogs;
}

namespace tessaly::widgets {

class TOptionsPage;

// "Editor Options": the settings of one language in six pages ("Options",
// "Highlighting", "Key assignments", "Print Options", "Auto correct",
// "Code templates"). The dialog edits a copy of the parser's settings; OK
// hands the copy back through settings(), Cancel drops it. Colours and the
// font are chosen through the platform's dialogs.
class TOptionsDialog : public QDialog {
    Q_OBJECT
public:
    // builtin: the language's own settings, which the "Classic" colour
    // scheme restores (the parser's settings when not given).
    TOptionsDialog(const parser::TSyntaxMemoParser& parser, platform::TDialogs& dialogs, QWidget* parent = nullptr,
                   const parser::TSM_Settings* builtin = nullptr);
    ~TOptionsDialog() override;

    const parser::TSM_Settings& settings() const { return settings_; }
    QTabWidget& pages() { return *tabs_; }
    // The page by its caption; null for an unknown one.
    TOptionsPage* page(const QString& caption) const;

    // The document's print title, edited on the "Print Options" page.
    const std::string& printTitle() const { return printTitle_; }
    void setPrintTitle(const std::string& title);

    void accept() override;

private:
    parser::TSM_Settings settings_;
    parser::TSM_Settings builtin_;
    std::string printTitle_;
    QTabWidget* tabs_ = nullptr;
    std::vector<TOptionsPage*> pages_;
};

} // namespace tessaly::widgets
