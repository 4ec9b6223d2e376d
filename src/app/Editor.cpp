#include "app/Editor.h"

#include "parser/runtime/SyntaxMemoParser.h"
#include "app/DiskWatch.h"
#include "app/EditorMessages.h"

#include "app/BrowserPage.h"
#include "app/LivePreview.h"
#include "app/MainForm.h"
#include "app/PreviewFiles.h"
#include "app/PreviewHTML.h"
#include "app/StatusPanels.h"
#include "widgets/SyntaxMemoView.h"

#include <QSplitter>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tessaly::app {

using memo::TSyntaxMemoOption;

namespace {

// The text of a new document.
const std::vector<std::string> kPageTemplate = {
    "<HTML>",
    "<HEAD>",
    "   <TITLE>Document_Title_Goes_Here</TITLE>",
    "</HEAD>",
    "<BODY>",
    "",
    "",
    "",
    "</BODY>",
    "</HTML>",
};

constexpr int kHighlightMark = 11;
constexpr memo::TColor kSilver = memo::TColor::fromRgb(0xC0, 0xC0, 0xC0);
constexpr memo::TColor kWhite = memo::TColor::fromRgb(0xFF, 0xFF, 0xFF);

} // namespace

TEditor::TEditor(TMainForm& owner) : owner_(owner)
{
    setWindowTitle(QString::fromLatin1(kUntitled));
    setWindowIcon(QIcon::fromTheme(QStringLiteral("text-html")));

    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(3, 3, 3, 0);
    layout->setSpacing(0);

    split_ = new QSplitter(Qt::Horizontal, body);
    split_->setObjectName(QStringLiteral("LiveSplit"));
    split_->setChildrenCollapsible(false);
    notebook_ = new QTabWidget(split_);
    notebook_->setObjectName(QStringLiteral("TabbedNotebook1"));
    code_ = new widgets::TSyntaxMemoView;
    code_->setObjectName(QStringLiteral("Code"));
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(10);
    code_->setFont(font);
    notebook_->addTab(code_, QStringLiteral("Editor"));
    browserPage_ = new TBrowserPage(*this, owner_);
    browserPage_->setObjectName(QStringLiteral("BrowserPage"));
    notebook_->addTab(browserPage_, QStringLiteral("Browser"));
    connect(notebook_, &QTabWidget::currentChanged, this, &TEditor::notebookChanged);
    split_->addWidget(notebook_);
    livePane_ = new TLivePreview([this] {
        TLivePreview::Content c;
        c.text = memo().text();
        c.fallbackFile = QString::fromStdString(owner_.programFolder() + kPreviewFile);
        c.base = previewAddress(untitled(), path(), owner_.programFolder());
        // A page too large to hand over directly is read from the preview file.
        if (static_cast<qsizetype>(c.text.size()) >= kDirectContentLimit)
            writePreviewFile(c.fallbackFile.toStdString(), c.text);
        return c;
    }, owner_);
    split_->addWidget(livePane_);
    livePane_->hide();
    layout->addWidget(split_, 1);

    status_ = new TStatusPanels({{50, Qt::AlignLeft},
                                 {100, Qt::AlignHCenter},
                                 {120, Qt::AlignHCenter},
                                 {50, Qt::AlignLeft},
                                 {150, Qt::AlignLeft, true, true}},
                                body);
    status_->setObjectName(QStringLiteral("StatusBar"));
    layout->addWidget(status_);
    setWidget(body);

    memo::TSyntaxMemo& m = code_->memo();
    m.setOptions({TSyntaxMemoOption::smoSyntaxHighlight, TSyntaxMemoOption::smoPrintWrap,
                  TSyntaxMemoOption::smoPrintLineNos, TSyntaxMemoOption::smoPrintFilename,
                  TSyntaxMemoOption::smoPrintDate, TSyntaxMemoOption::smoPrintPageNos,
                  TSyntaxMemoOption::smoAutoIndent, TSyntaxMemoOption::smoTabToColumn,
                  TSyntaxMemoOption::smoWordSelect, TSyntaxMemoOption::smoShowRMargin,
                  TSyntaxMemoOption::smoShowGutter, TSyntaxMemoOption::smoShowWrapColumn,
                  TSyntaxMemoOption::smoTitleAsFilename, TSyntaxMemoOption::smoProcessDroppedFiles,
                  TSyntaxMemoOption::smoBlockOverwriteCursor, TSyntaxMemoOption::smoShowWrapGlyph,
                  TSyntaxMemoOption::smoColumnTrack, TSyntaxMemoOption::smoUseTAB,
                  TSyntaxMemoOption::smoSmartFill, TSyntaxMemoOption::smoOLEDragSource});
    m.setTabDefault(4);
    m.setIndentStep(1);
    m.setWrapAtColumn(0);
    m.setSaveFormat(memo::TSaveFormat::sfTEXT);
    m.setClipCopyFormats({true, true});
    std::string page;
    for (const std::string& line : kPageTemplate)
        page += (page.empty() ? "" : "\r\n") + line;
    m.lines().setText(page);
    m.setModified(false);

    messages_ = std::make_unique<TEditorMessages>(owner_.dialogs());
    diskWatch_ = new TDiskWatch(this);
    connect(diskWatch_, &TDiskWatch::changedOnDisk, this, &TEditor::diskChanged);
    connect(diskWatch_, &TDiskWatch::deletedOnDisk, this, &TEditor::diskDeleted);
    memo().setMessages(messages_.get());
    createParsers();
    setActiveParser(2);
    showTextFormat();
    connect(code_, &widgets::TSyntaxMemoView::changed, this, &TEditor::codeChange);
    connect(code_, &widgets::TSyntaxMemoView::highlightPassChanged, this, [this](bool running) {
        status_->setText(3, !running              ? QString()
                            : memo().loadPending() ? QStringLiteral("Loading...")
                                                   : QStringLiteral("Highlighting..."));
    });
    memo().onTextChange = [this](memo::TSyntaxMemo&, std::int64_t, std::int64_t) { livePane_->textChanged(); };
    connect(code_, &widgets::TSyntaxMemoView::gutterClick, this, [this](qint64 line) { codeGutterClick(line); });

    onActivate = [this](TMDIChild&) { formActivate(); };
    onClose = [this](TMDIChild&, TCloseAction& action) { formClose(action); };
    resize(617, 390);
}

TEditor::~TEditor()
{
    // The editor is a child widget and outlives these members: let it go of
    // the parsers before they are freed.
    memo().setMessages(nullptr);
    memo().onTextChange = nullptr;
    memo().setActiveParser(0);
    for (int slot = 1; slot <= 4; ++slot)
        memo().setParser(slot, nullptr);
}

memo::TSyntaxMemo& TEditor::memo()
{
    return code_->memo();
}

const memo::TSyntaxMemo& TEditor::memo() const
{
    return code_->memo();
}

void TEditor::setCaption(const QString& caption)
{
    setWindowTitle(caption);
}

std::filesystem::path TEditor::path() const
{
    return std::filesystem::path(caption().toStdString());
}

bool TEditor::modified() const
{
    return memo().modified() || goneFromDisk_ || formatChanged_;
}

TRecoveryRecord TEditor::recoveryHeader() const
{
    TRecoveryRecord r;
    r.name = untitled() ? std::string() : path().string();
    r.language = activeParser();
    r.caret = memo().selStart();
    r.format = textFormat();
    return r;
}

std::int64_t TEditor::textLength() const
{
    return memo().textLength();
}

void TEditor::appendText(std::int64_t start, std::int64_t end, std::string& out) const
{
    // Straight from the store's blocks: no temporary copy of the range.
    memo().store().pieces(memo::TTextOffset(start), memo::TTextOffset(end),
                          [&out](std::string_view piece) { out.append(piece); });
}

std::uint64_t TEditor::textVersion() const
{
    return memo().store().version();
}

bool TEditor::textComplete() const
{
    return !memo().loadPending();
}

void TEditor::completeText()
{
    memo().finishLoading();
}

void TEditor::setActiveParser(int parser)
{
    if (parser < 1 || parser > 4)
        return;
    activeParser_ = parser;
    applyParserSettings();
    memo().setActiveParser(parser);
}

void TEditor::loadFromFile(const std::filesystem::path& file, std::optional<memo::TEncoding> forced)
{
    memo().loadFromFile(file, forced);
    chosenEncoding_ = forced;
    memo().setModified(false);
    goneFromDisk_ = false;
    formatChanged_ = false;
    showTextFormat();
    diskWatch_->remember(file);
    codeChange();
}

void TEditor::saveToFile(const std::filesystem::path& file)
{
    memo().saveToFile(file);
    goneFromDisk_ = false;
    formatChanged_ = false;
    showTextFormat();
    diskWatch_->remember(file);
    status_->setText(1, QString());
}

void TEditor::codeChange()
{
    status_->setText(1, goneFromDisk_ ? QString::fromLatin1(kDeletedOnDiskText)
                        : modified()  ? QStringLiteral("Modified")
                                      : QString());
    owner_.codeChanged(*this);
    const memo::TCaretPos pos = memo().getCaretPos();
    status_->setText(0, QString::asprintf("%4lld:%4d", static_cast<long long>(pos.line.value()), pos.columnNumber()));
    fitCaretPanel(pos.columnNumber());
}

void TEditor::fitCaretPanel(int column)
{
    // The panel grows to hold the document's largest line number (and a
    // column of at least four places), so no position is ever cut off.
    QLabel* panel = status_->panel(0);
    const auto lines = static_cast<long long>(std::max<std::int64_t>(1, memo().lines().count()));
    const QString widest = QString::asprintf("%4lld:%4d", lines, std::max(column, 9999));
    const int needed = panel->fontMetrics().horizontalAdvance(widest) + panel->width() - panel->contentsRect().width()
        + 2 * panel->margin() + panel->fontMetrics().averageCharWidth();
    if (needed > panel->width())
        panel->setFixedWidth(needed);
}

void TEditor::codeGutterClick(std::int64_t line)
{
    memo::TSyntaxMemo& m = memo();
    const memo::TLineNumber at(line);
    if (m.hasMark(kHighlightMark, at)) {
        m.clearMark(kHighlightMark, at);
        m.setLineBackColor(at, std::nullopt);
        m.setLineTextColor(at, std::nullopt);
    } else {
        m.setMark(kHighlightMark, at);
        m.setLineBackColor(at, kSilver);
        m.setLineTextColor(at, kWhite);
    }
}

bool TEditor::showsBrowser() const
{
    return notebook_->currentIndex() == 1;
}

void TEditor::showBrowser()
{
    notebook_->setCurrentIndex(1);
}

void TEditor::showAddress(const QString& address)
{
    showBrowser();
    browserPage_->showAddress(address);
}

void TEditor::togglePreview()
{
    if (!showsBrowser()) {
        showBrowser();
        return;
    }
    notebook_->setCurrentIndex(0);
    code_->setFocus(Qt::OtherFocusReason);
}

void TEditor::notebookChanged(int page)
{
    const int left = shownPage_;
    shownPage_ = page;
    if (left == 0 && page == 1)
        browserPage_->pageEntered();
}

void TEditor::setLivePreview(bool on)
{
    livePane_->setVisible(on);
    if (on) {
        const int half = std::max(1, split_->width() / 2);
        split_->setSizes({half, half});
    }
}

bool TEditor::livePreview() const
{
    return !livePane_->isHidden();
}

void TEditor::focusText()
{
    if (notebook_->currentIndex() == 0 && !isClosing())
        code_->setFocus(Qt::OtherFocusReason);
}

void TEditor::focusInEvent(QFocusEvent* event)
{
    TMDIChild::focusInEvent(event);
    focusText();
}

bool TEditor::closeQuery()
{
    return owner_.editorCloseQuery(*this);
}

void TEditor::formActivate()
{
    owner_.editorActivated(*this);
}

void TEditor::formClose(TCloseAction& action)
{
    action = TCloseAction::free;
    owner_.editorClosed(*this);
}

} // namespace tessaly::app
