#include "app/TForm3.h"

#include "admin/SettingsAccess.h"
#include "app/FindBar.h"
#include "app/MainWindowResizer.h"
#include "app/ReaderTools.h"
#include "app/TForm6.h"
#include "app/TForm8.h"
#include "data/TableObject.h"
#include "platform/ErrorReport.h"
#include "platform/ProgramFolder.h"
#include "platform/ShellOpen.h"
#include "skin/StoredSkinText.h"
#include "skin/TsSkinManager.h"
#include "skin/controls/TsSkinProvider.h"
#include "testing/TForm1.h"
#include "testing/TForm5.h"
#include "testing/TimedTestRegistration.h"
#include "ui/Fonts.h"
#include "ui/Globals.h"
#include "ui/WindowStyle.h"
#include "ui_TForm3.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>
#include <QWindow>

namespace {

constexpr LocateOptions kTopicSearch = LocateOption::CaseInsensitive | LocateOption::PartialKey;
// The height of a line in the selector's list.
constexpr int kItemHeight = 20;

// A window of the window set, as opposed to a message box, a dialog or a popup.
bool isProgramForm(QWindow* window)
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->windowHandle() == window)
            return top->windowType() == Qt::Window;
    }
    return false;
}

} // namespace

TForm3::TForm3(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Form3>())
{
    ui->setupUi(this);
    // The menu bar sits above the client area, where the controls' coordinates start.
    ui->FormLayout->setMenuBar(ui->MainMenu1);
    setFont(Fonts::sansSerif(11));
    ui->sComboBox1->setFont(Fonts::sansSerif(16));
    ui->sBitBtn1->setFont(Fonts::sansSerif(16));
    ui->sPanel1->setFont(Fonts::serif(32, Fonts::Weight::Bold));
    // The selector completes nothing by itself: what the student typed is what is looked up.
    ui->sComboBox1->setCompleter(nullptr);
    // Typing is a change by the user too; the editor is made by the combo box, not the
    // layout, so it is bound here.
    connect(ui->sComboBox1->lineEdit(), &QLineEdit::textEdited, this, &TForm3::sComboBox1Change);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &TForm3::noteFocusWindow);
    ui->sComboBox1->installEventFilter(this);
    ui->sComboBox1->lineEdit()->installEventFilter(this);
    showPlaceholder();
    WindowStyle::setSizeableBorder(*this, QSize(891, 690));
    WindowStyle::centreOnScreen(*this);

    // The skinned frame, title and menu bar; made before the manager so it hears the skin arrive.
    sSkinProvider1 = new TsSkinProvider(this, ui->ClientArea, ui->MainMenu1, QSize(891, 690));
    sSkinProvider1->setObjectName(QStringLiteral("sSkinProvider1"));

    // The program's skin manager; the window is built, so it loads the skin and tells every window.
    sSkinManager1 = new TsSkinManager(this);
    sSkinManager1->SetInternalSkins(builtInStoredSkins());
    sSkinManager1->SetSkinDirectory(QStringLiteral("C:\\Skins\\Golden"));
    sSkinManager1->SetSkinName(QStringLiteral("Golden (internal)"));
    sSkinManager1->SetSkinnedPopups(false);
    sSkinManager1->Loaded();

    m_readerTools = new ReaderTools(*this, ui->WebBrowser1, ui->sComboBox1, ui->sPanel1);
    makeRoomForDocument();
}

// A window larger than designed gives its extra room to the document.
void TForm3::makeRoomForDocument()
{
    const MainWindowResizer::Controls controls{ui->ClientArea, ui->sGroupBox1, ui->sComboBox1, ui->sBitBtn1,
                                               ui->WebBrowser1, ui->sPanel1, m_readerTools->findBar()};
    const QSize designedClient = sSkinProvider1->Metrics().clientRect(QSize(891, 690)).size();
    m_resizer = new MainWindowResizer(controls, designedClient, sSkinProvider1->FormScrollBars());
    m_resizer->place();
}

TForm3::~TForm3() = default;

void TForm3::openDocument(const QString& relativePath)
{
    ui->WebBrowser1->load(QUrl::fromLocalFile(ProgramFolder::path() + relativePath));
}

void TForm3::N7Click() { ErrorReport::guard([this] { openDocument(QStringLiteral("text/umkd/about.htm")); }); }
void TForm3::N20Click() { ErrorReport::guard([this] { openDocument(QStringLiteral("text/umkd/silabus.htm")); }); }
void TForm3::N21Click() { ErrorReport::guard([this] { openDocument(QStringLiteral("text/umkd/plan_pr.htm")); }); }
void TForm3::N22Click() { ErrorReport::guard([this] { openDocument(QStringLiteral("text/umkd/plan_lab.htm")); }); }
void TForm3::N8Click() { ErrorReport::guard([this] { openDocument(QStringLiteral("text/umkd/srsp.htm")); }); }
void TForm3::N23Click() { ErrorReport::guard([this] { openDocument(QStringLiteral("text/umkd/rubezh.htm")); }); }
void TForm3::N24Click() { ErrorReport::guard([this] { openDocument(QStringLiteral("text/umkd/ekz_vopr.htm")); }); }
void TForm3::N25Click() { ErrorReport::guard([this] { openDocument(QStringLiteral("text/umkd/litra.htm")); }); }

void TForm3::showPlaceholder()
{
    ui->sComboBox1->setCurrentIndex(-1);
    ui->sComboBox1->setEditText(placeholder());
}

// The names of every record, in the table's own order; the table is left at its end.
void TForm3::loadTopicList(TableObject& table)
{
    table.open();
    table.first();
    const int count = table.recordCount();
    for (int i = 0; i < count; ++i) {
        ui->sComboBox1->addItem(table.fieldAsString(QStringLiteral("name")));
        ui->sComboBox1->setItemData(i, QSize(0, kItemHeight), Qt::SizeHintRole);
        table.next();
    }
    showPlaceholder();
}

void TForm3::N1Click()
{
    ErrorReport::guard([&] {
        ui->sBitBtn1->setEnabled(true);
        BrowseMode = 1;
        ui->sComboBox1->clear();
        ui->sPanel1->hide();
        ui->WebBrowser1->show();
        if (Form1)
            loadTopicList(Form1->data().tblTemi);
    });
}

void TForm3::N18Click()
{
    ErrorReport::guard([&] {
        ui->sBitBtn1->setEnabled(true);
        BrowseMode = 2;
        ui->sComboBox1->clear();
        if (Form1)
            loadTopicList(Form1->data().tblPrakt);
    });
}

void TForm3::N17Click()
{
    ErrorReport::guard([&] {
        BrowseMode = 3;
        ui->sBitBtn1->setEnabled(false);
        ui->sComboBox1->clear();
        ui->sPanel1->hide();
        ui->WebBrowser1->show();
        if (Form1)
            loadTopicList(Form1->data().tblLab);
    });
}

void TForm3::N3Click()
{
    ErrorReport::guard([&] {
        if (!Form5)
            return;
        Form5->openEmpty();
    });
}

void TForm3::N5Click()
{
    ErrorReport::guard([&] {
        if (Form8)
            Form8->showManual();
    });
}

void TForm3::N26Click()
{
    ErrorReport::guard([&] {
        if (FormTimedTestRegistration)
            FormTimedTestRegistration->openEmpty();
    });
}

void TForm3::N27Click()
{
    ErrorReport::guard([&] {
        SettingsAccess::open();
    });
}

void TForm3::N6Click()
{
    ErrorReport::guard([&] {
        close();
    });
}

void TForm3::N28Click()
{
    ErrorReport::guard([&] {
        m_readerTools->openCourseSearch();
    });
}

// When no name begins with the text, the table's current record is used as it stands.
void TForm3::showDocumentOf(TableObject& table)
{
    table.locate(QStringLiteral("name"), ui->sComboBox1->currentText(), kTopicSearch);
    openDocument(QStringLiteral("text/") + table.fieldAsString(QStringLiteral("file_name")));
}

void TForm3::sComboBox1Change()
{
    ErrorReport::guard([&] {
        if (!Form1)
            return;
        if (BrowseMode == 1)
            showDocumentOf(Form1->data().tblTemi);
        if (BrowseMode == 2) {
            ui->WebBrowser1->hide();
            ui->sPanel1->show();
            ui->sPanel1->setCaption(ui->sComboBox1->currentText());
            showPlaceholder();
        }
        if (BrowseMode == 3)
            showDocumentOf(Form1->data().tblLab);
    });
}

// Presentations live in the program folder, whatever the current directory is.
void TForm3::openPresentation(TableObject& table, const QString& key, const QString& folder,
                              const QString& field)
{
    table.locate(QStringLiteral("name"), key, kTopicSearch);
    const QString file = ProgramFolder::path() + folder + table.fieldAsString(field);
    ShellOpen(file, QString(), QString(), kShowInPlace);
}

void TForm3::sBitBtn1Click()
{
    ErrorReport::guard([&] {
        if (!Form1)
            return;
        const QString text = ui->sComboBox1->currentText();
        if (BrowseMode == 1) {
            openPresentation(Form1->data().tblTemi, text, QStringLiteral("text/present/"),
                             QStringLiteral("file_pr"));
        }
        if (BrowseMode == 2) {
            // After a practical work is chosen the selector shows the placeholder again; the
            // work on the topic panel is the one the student means.
            const bool chosen = text == placeholder() && ui->sPanel1->isVisibleTo(this);
            openPresentation(Form1->data().tblPrakt, chosen ? ui->sPanel1->caption() : text,
                             QStringLiteral("text/present_prakt/"), QStringLiteral("file_name"));
        }
    });
}

void TForm3::FormActivate()
{
    ErrorReport::guard([&] {
        ui->sComboBox1->clear();
        showPlaceholder();
    });
}

void TForm3::FormClose()
{
    ErrorReport::guard([&] {
        if (Form6)
            Form6->close();
    });
}

void TForm3::FormResize()
{
    ErrorReport::guard([&] {
        // Every control keeps its position and size.
    });
}

bool TForm3::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && !m_activeForm) {
        m_activeForm = true;
        emit OnActivate();
    }
    return QWidget::event(event);
}

// Focusing the selector while it shows the placeholder selects it, so that typing replaces
// it. After the click that gave the focus, which would put the caret back.
bool TForm3::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && ui->sComboBox1->currentText() == placeholder())
        QTimer::singleShot(0, this, &TForm3::selectPlaceholder);
    return QWidget::eventFilter(watched, event);
}

void TForm3::selectPlaceholder()
{
    QLineEdit* editor = ui->sComboBox1->lineEdit();
    if (editor && editor->hasFocus() && editor->text() == placeholder())
        editor->selectAll();
}

void TForm3::noteFocusWindow(QWindow* window)
{
    if (window && window != windowHandle() && isProgramForm(window))
        m_activeForm = false;
}

void TForm3::closeEvent(QCloseEvent* event)
{
    emit OnClose();
    event->accept();
}

void TForm3::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    emit OnResize();
}

void TForm3::hideEvent(QHideEvent* event)
{
    m_activeForm = false;
    QWidget::hideEvent(event);
}
