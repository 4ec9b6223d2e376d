#include "app/MainWindow.h"

#include "widgets/SyntaxMemoView.h"

namespace tessaly::app {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral(" Tessaly"));
    auto* editor = new widgets::TSyntaxMemoView(this);
    editor->memo().setOptions({memo::TSyntaxMemoOption::smoAutoIndent, memo::TSyntaxMemoOption::smoTabToColumn});
    setCentralWidget(editor);
    resize(900, 650);
}

} // namespace tessaly::app
