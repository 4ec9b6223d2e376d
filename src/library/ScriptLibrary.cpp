#include "library/ScriptLibrary.h"

#include "library/AddCustScript.h"
#include "library/LibraryMessages.h"
#include "library/ScriptHost.h"
#include "library/ScriptKinds.h"
#include "library/ScriptListView.h"
#include "platform/Dialogs.h"
#include "widgets/HtmlViewer.h"

#include <QAction>
#include <QBoxLayout>
#include <QIcon>
#include <QLineEdit>
#include <QToolBar>

// Resources of a static library must be registered by name, outside any namespace.
static void initLibraryResources()
{
    Q_INIT_RESOURCE(library);
}

namespace tessaly::library {

namespace {

QIcon kindIcon(TKindImage image)
{
    static const char* const files[] = {"script-cgi", "script-javascript", "script-vbscript", "script-other"};
    if (image == imgNone)
        return {};
    return QIcon(QStringLiteral(":/library/icons/%1.svg").arg(QLatin1String(files[image])));
}

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

void addTo(QWidget* area, QWidget* widget, int stretch)
{
    if (auto* box = qobject_cast<QBoxLayout*>(area->layout()))
        box->addWidget(widget, stretch);
    else
        widget->setParent(area);
}

} // namespace

TScriptLibrary::TScriptLibrary(TScriptHost& host, std::filesystem::path programFolder, QWidget* listArea,
                               QWidget* descriptionArea, QObject* parent)
    : QObject(parent)
    , host_(host)
    , files_(std::move(programFolder))
{
    initLibraryResources();

    toolRow_ = new QToolBar;
    toolRow_->setObjectName(QStringLiteral("ScriptTools"));
    toolRow_->setIconSize(QSize(16, 16));
    toolRow_->setMovable(false);
    addScript_ = toolRow_->addAction(QIcon(QStringLiteral(":/library/icons/script-add.svg")),
                                     QStringLiteral("Add Custom Script"));
    addScript_->setObjectName(QStringLiteral("AddScript"));
    addScript_->setStatusTip(QStringLiteral("Add Custom Script"));
    removeScript_ = toolRow_->addAction(QIcon(QStringLiteral(":/library/icons/script-remove.svg")),
                                        QStringLiteral("Remove Script"));
    removeScript_->setObjectName(QStringLiteral("RemoveScript"));
    removeScript_->setStatusTip(QStringLiteral("Remove Script"));
    removeScript_->setEnabled(false);

    treeView1_ = new TScriptListView;
    treeView1_->pathOf
        = [this](QTreeWidgetItem* item) { return item ? qs(files_.pathOf(item->text(0).toStdString())) : QString(); };

    prevy_ = new widgets::THtmlViewer;
    prevy_->setObjectName(QStringLiteral("Prevy"));

    addTo(listArea, toolRow_, 0);
    addTo(listArea, treeView1_, 1);
    addTo(descriptionArea, prevy_, 1);

    addDialog_ = new TAddCustScript(host_.dialogs(), listArea);
    addDialog_->onAdd = [this](const TScriptEntry& entry) { addScript(entry); };

    connect(addScript_, &QAction::triggered, this, [this] { addScriptClick(); });
    connect(removeScript_, &QAction::triggered, this, &TScriptLibrary::removeScriptClick);
    connect(treeView1_, &QTreeWidget::itemClicked, this, &TScriptLibrary::treeView1Click);
    connect(treeView1_, &QTreeWidget::itemDoubleClicked, this, &TScriptLibrary::treeView1DblClick);
    connect(treeView1_, &QTreeWidget::itemSelectionChanged, this, &TScriptLibrary::selectionChanged);
    connect(treeView1_, &TScriptListView::deletePressed, this, &TScriptLibrary::removeScriptClick);
    connect(treeView1_, &TScriptListView::focusLeft, this, [this] { removeScript_->setEnabled(false); });
    // The dialog opens after the drop has finished, not inside the drag loop.
    connect(
        treeView1_, &TScriptListView::filesDropped, this,
        [this](const QStringList& files) { addScriptClick(files.value(0)); }, Qt::QueuedConnection);
}

TScriptLibrary::~TScriptLibrary() = default;

std::vector<std::string> TScriptLibrary::names() const
{
    std::vector<std::string> out;
    for (int i = 0; i < treeView1_->topLevelItemCount(); ++i)
        out.push_back(treeView1_->topLevelItem(i)->text(0).toStdString());
    return out;
}

QTreeWidgetItem* TScriptLibrary::addEntry(const std::string& name, const std::string& kind)
{
    auto* item = new QTreeWidgetItem({qs(name), qs(kind)});
    item->setIcon(0, kindIcon(kindImage(kind)));
    treeView1_->addTopLevelItem(item);
    return item;
}

void TScriptLibrary::load()
{
    treeView1_->clear();
    for (const std::string& name : files_.loadNames())
        addEntry(name, files_.kindOf(name));
    if (treeView1_->topLevelItemCount() == 0)
        removeScript_->setEnabled(false);
}

void TScriptLibrary::treeView1Click()
{
    QTreeWidgetItem* item = treeView1_->currentItem();
    if (!item || !item->isSelected())
        return;
    try {
        showPage(files_.writeDescriptionPage(files_.descriptionOf(item->text(0).toStdString())));
    } catch (const std::exception& error) {
        reportError(error);
    }
    removeScript_->setEnabled(true);
}

void TScriptLibrary::treeView1DblClick()
{
    QTreeWidgetItem* item = treeView1_->currentItem();
    if (!item || !item->isSelected())
        return;
    removeScript_->setEnabled(true);
    host_.openScript(files_.pathOf(item->text(0).toStdString()));
}

void TScriptLibrary::addScriptClick(const QString& file)
{
    if (!file.isEmpty())
        addDialog_->edit2()->setText(file);
    host_.showModal(*addDialog_);
}

void TScriptLibrary::addScript(const TScriptEntry& entry)
{
    // The entry shows at once; it stays even when a file below cannot be
    // written, so the user sees what was meant and the error beside it.
    addEntry(entry.name, entry.kind);
    removeScript_->setEnabled(true);
    try {
        files_.writeScript(entry);
        files_.appendName(entry.name);
    } catch (const std::exception& error) {
        reportError(error);
    }
}

void TScriptLibrary::removeScriptClick()
{
    QTreeWidgetItem* item = treeView1_->currentItem();
    if (!item || !item->isSelected())
        return;
    const std::string name = item->text(0).toStdString();
    if (host_.dialogs().showMessage(messages::confirmRemove, platform::TMsgKind::confirmation,
                                    platform::btnYes | platform::btnNo)
        != platform::TMsgAnswer::yes)
        return;
    try {
        files_.eraseScript(name);
    } catch (const std::exception& error) {
        // The section stays, so the entry stays as well.
        reportError(error);
        return;
    }
    delete item;
    treeView1_->clearSelection();
    treeView1_->setFocus(Qt::OtherFocusReason);
    removeScript_->setEnabled(false);
    try {
        files_.writeNames(names());
        showPage(files_.writeBlankPage());
    } catch (const std::exception& error) {
        reportError(error);
    }
}

void TScriptLibrary::selectionChanged()
{
    // A change of the list enables Remove while an entry is selected and
    // disables it when none is.
    removeScript_->setEnabled(!treeView1_->selectedItems().isEmpty());
}

void TScriptLibrary::showPage(const std::filesystem::path& page)
{
    prevy_->loadFile(page);
}

void TScriptLibrary::reportError(const std::exception& error)
{
    host_.dialogs().showMessage(error.what(), platform::TMsgKind::error, platform::btnOk);
}

} // namespace tessaly::library
