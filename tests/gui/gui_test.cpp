// The Qt front end over a real Application, on the offscreen platform: the
// widgets stand where the window descriptions put them, user events reach the
// control models, and a screenshot of every window is left in the build folder.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "gui/fonts.h"
#include "gui/gui_interaction.h"
#include "gui/program_chooser.h"
#include "gui/renderer.h"
#include "gui/widgets.h"
#include "ui/application.h"
#include "ui/windows.h"

namespace {

using trv::ui::ControlKind;

// Messages are recorded instead of shown, so that nothing waits for a click.
class RecordingInteraction : public trv::gui::GuiInteraction {
public:
    using GuiInteraction::GuiInteraction;
    std::vector<std::string> messages;
    std::vector<std::string> chooserPaths;

    void message(const std::string& text) override { messages.push_back(text); }
    void chooseProgramFor(const std::string& path) override { chooserPaths.push_back(path); }
};

void writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QByteArray record(std::initializer_list<const char*> fields) {
    QByteArray line;
    for (const char* field : fields) {
        if (!line.isEmpty()) line += ',';
        line += '"' + QByteArray(field) + '"';
    }
    return line + "\r\n";
}

// Puts an environment variable back as it was.
struct EnvironmentGuard {
    const char* name;
    bool wasSet = qEnvironmentVariableIsSet(name);
    QByteArray value = qgetenv(name);
    ~EnvironmentGuard() { wasSet ? qputenv(name, value) : qunsetenv(name); }
};

// A small office in a temporary folder, as the end-to-end cases lay it out.
struct Office {
    QTemporaryDir dir;
    QString root = dir.path();

    explicit Office(bool withIni = true) {
        for (const char* sub : {"resources/projectscodes", "resources/vb_server", "resources/style_sheets",
                                "resources/Standard_documents", "projects/tester/PROJECTS", "templates",
                                "sheet_templates", "velunor", "delivery", "bin"})
            QDir(root).mkpath(QLatin1String(sub));
        writeFile(root + "/resources/projectscodes/KLV-13000-C000.txt",
                  record({"KLV-13000-C000", "HARBOUR TERMINAL EXTENSION"}));
        writeFile(root + "/resources/projectscodes/KLV-21400-PB00.txt",
                  record({"KLV-21400-PB00", "NORTH DEPOT WORKSHOPS"}));
        writeFile(root + "/resources/usernames.txt", record({"tester", "tester"}));
        writeFile(root + "/bin/acad", "#!/bin/sh\nexit 0\n");
        if (!withIni) return;
        QByteArray ini = "[Paths]\r\n";
        for (const QString& kv :
             {"ResourcePath=" + root + "/resources", "Velunor=" + root + "/velunor",
              "ProjectPath=" + root + "/projects", "IndividualTemplatePath=" + root + "/templates",
              "SheetTemplatePath=" + root + "/sheet_templates", "ResourceCopyDestPath=" + root + "/delivery",
              QStringLiteral("DispCreateProjBtn=1"), QStringLiteral("DispNCSBtn=1"),
              "OpenInAutoCAD=" + root + "/bin/acad"})
            ini += kv.toUtf8() + "\r\n";
        writeFile(iniPath(), ini);
    }
    QString iniPath() const { return root + "/trv.ini"; }
};

// The program started over the office, with its windows rendered.
struct Running {
    Office office;
    trv::NativePlatform system;
    RecordingInteraction ui{system};
    trv::ui::Application app{system, ui};
    trv::gui::Renderer renderer{app};

    explicit Running(bool withIni = true) : office(withIni) {
        system.setSettingsFile(office.iniPath().toStdString());
        system.setUserName("tester");
        ui.setRenderer(&renderer);
        app.start();
        renderer.refresh();
    }
    trv::Program& program() { return app.program(); }
    QWidget* form1() { return renderer.window("Form1"); }
    QWidget* widget(const char* control, const char* window = "Form1") {
        QWidget* w = renderer.control(window, control);
        if (!w) qWarning("no widget for %s.%s", window, control);
        return w;
    }
};

// What a widget shows as its text, whatever its kind.
QString shownText(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<QPushButton*>(w)) return button->text();
    if (auto* banner = qobject_cast<trv::gui::BannerText*>(w)) return banner->text();
    if (auto* line = qobject_cast<QLineEdit*>(w)) return line->text();
    if (auto* box = qobject_cast<QPlainTextEdit*>(w)) return box->toPlainText();
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (combo->isEditable() || combo->currentIndex() >= 0) return combo->currentText();
        return combo->placeholderText();
    }
    if (auto* list = qobject_cast<QListWidget*>(w))
        return list->currentItem() ? list->currentItem()->text() : QString();
    return {};
}

// Picks an entry from a combo box's open list, as the user does.
bool pick(QComboBox* combo, const QString& entry) {
    const int index = combo ? combo->findText(entry) : -1;
    if (index < 0) return false;
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    if (!QTest::qWaitFor([view] { return view->isVisible(); })) return false;
    const QModelIndex item = view->model()->index(index, 0);
    view->scrollTo(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
    return true;
}

QRect pixels(const trv::ui::Twips& t) { return {t.left / 15, t.top / 15, t.width / 15, t.height / 15}; }

}  // namespace

class GuiTest : public QObject {
    Q_OBJECT

private slots:
    void mainWindowShowsEveryControlOfForm1();
    void everyCaptionHasRoomInItsWidget();
    void cancelAndTheCloseBoxEndTheProgram();
    void choosingADrawingTypeWithoutAProjectAsksForOne();
    void typingAFacilityNumberReachesTheModel();
    void focusAndTextStayInStepWithTheModel();
    void withoutIniTheCommandsAreDisabled();
    void pathProblemWindowBlocksUntilOk();
    void secondaryWindowsAreModelessAndTheirCloseBoxUnloads();
    void projectCodeFieldErrorsPutTheFocusIntoTheFailingBox();
    void tabGoesThroughTheTextSizeScreenInItsOrder();
    void chooserStartsTheChosenApplicationWithTheFile();
    void deliveryShowsItsProgressAndCancelStopsIt();
    void screenshotsOfEveryWindowAndOfTheMainWindowEnlarged();
};

void GuiTest::mainWindowShowsEveryControlOfForm1() {
    Running r;
    QVERIFY(r.ui.messages.empty());
    QWidget* form = r.form1();
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), QStringLiteral("TRV"));
    QVERIFY(form->isVisible());
    QCOMPARE(form->size(), QSize(12660 / 15, 10170 / 15));

    const trv::ui::WindowDescription& desc = trv::ui::form1Description();
    for (const auto& c : desc.controls) {
        const QString name = QString::fromStdString(c.name);
        QWidget* w = r.widget(c.name.c_str());
        QVERIFY2(w, qPrintable(name));
        QCOMPARE(w->parentWidget(), form);
        QVERIFY2(w->geometry() == pixels(c.place), qPrintable(name));
        const trv::Control* model = r.program().form1.controls.find(c.name);
        QVERIFY2(model, qPrintable(name));
        QVERIFY2(w->isHidden() == !model->visible, qPrintable(name));
        QVERIFY2(w->isEnabled() == model->enabled, qPrintable(name));
        QCOMPARE(shownText(w), QString::fromStdString(model->text()));
        if (c.kind == ControlKind::Label || c.kind == ControlKind::Button || c.kind == ControlKind::BannerBox)
            QCOMPARE(shownText(w), QString::fromStdString(c.caption));
    }
    for (const char* hidden : {"txtprojcode", "cmdtypeprojcode", "cmbAutocadversion"})
        QVERIFY2(r.widget(hidden)->isHidden(), hidden);
    QVERIFY(!r.widget("cmdCopyres")->isHidden());
    QCOMPARE(qobject_cast<QComboBox*>(r.widget("cmbdesignasbuilt"))->count(), 2);
    // The logo and the icon are the SVG files compiled in from data/.
    QVERIFY(QSvgRenderer(QStringLiteral(":/trv/logo.svg")).isValid());
    QCOMPARE(trv::gui::applicationIcon().pixmap(32).size(), QSize(32, 32));
}

void GuiTest::everyCaptionHasRoomInItsWidget() {
    Running r;
    for (const auto& name : r.app.windowNames()) {
        const trv::ui::WindowDescription* desc = r.app.desc(name);
        for (const auto& c : desc->controls) {
            QWidget* w = r.renderer.control(name, c.name);
            QVERIFY(w);
            QVERIFY2(trv::gui::captionFits(c, w->font()),
                     qPrintable(QString::fromStdString(name + "." + c.name)));
        }
    }
}

void GuiTest::cancelAndTheCloseBoxEndTheProgram() {
    for (const bool closeBox : {false, true}) {
        Running r;
        QSignalSpy ended(&r.renderer, &trv::gui::Renderer::programEnded);
        if (closeBox) {
            r.form1()->close();
        } else {
            QTest::mouseClick(r.widget("cmdcancel"), Qt::LeftButton);
        }
        QVERIFY(r.program().ended);
        QVERIFY(!r.program().form1.loaded);
        QCOMPARE(ended.count(), 1);
        QVERIFY(!r.form1()->isVisible());
    }
}

void GuiTest::choosingADrawingTypeWithoutAProjectAsksForOne() {
    Running r;
    auto* combo = qobject_cast<QComboBox*>(r.widget("cmbdesignasbuilt"));
    QVERIFY(combo);
    QVERIFY(pick(combo, "As-Built Drawings"));
    QCOMPARE(r.ui.messages, std::vector<std::string>{"Please, select project code first."});
    // The handler emptied the choice again; the widget follows the model.
    QCOMPARE(r.program().form1.cmbdesignasbuilt.text(), std::string());
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(combo->currentText(), QString());
}

void GuiTest::typingAFacilityNumberReachesTheModel() {
    Running r;
    auto* box = qobject_cast<QLineEdit*>(r.widget("txtfacilitynb"));
    QVERIFY(box);
    QTest::keyClicks(box, "12");
    QCOMPARE(r.program().form1.txtfacilitynb.text(), std::string("12"));
    QCOMPARE(box->text(), QStringLiteral("12"));
    QFile saved(r.office.root + "/projects/tester/PROJECTS/facilnumber.txt");
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), record({"12"}));
}

void GuiTest::focusAndTextStayInStepWithTheModel() {
    Running r;
    auto& f = r.program().form1;
    QApplication::setActiveWindow(r.form1());
    auto* facility = qobject_cast<QLineEdit*>(r.widget("txtfacilitynb"));
    QWidget* sheetNumber = r.widget("txtSheetNmbNew");
    QVERIFY(facility && sheetNumber);

    // The user moves the focus: the model follows the widgets.
    sheetNumber->setFocus(Qt::MouseFocusReason);
    QTRY_VERIFY(f.txtSheetNmbNew.focused);
    QVERIFY(!f.txtfacilitynb.focused);

    // A handler moves it: the widgets follow the model.
    QTest::keyClicks(facility, "123");
    sheetNumber->setFocus(Qt::MouseFocusReason);
    QTRY_VERIFY(f.txtSheetNmbNew.focused);
    QTest::mouseClick(r.widget("cmdModelname"), Qt::LeftButton);
    QVERIFY(f.txtfacilitynb.focused);
    QVERIFY(!f.txtSheetNmbNew.focused);
    QTRY_VERIFY(facility->hasFocus());

    // Text a handler writes back shows in the widget.
    facility->clear();
    QTest::keyClicks(facility, "7");
    QTest::mouseClick(r.widget("cmdModelname"), Qt::LeftButton);
    QCOMPARE(f.txtfacilitynb.text(), std::string("07"));
    QCOMPARE(facility->text(), QStringLiteral("07"));
}

void GuiTest::withoutIniTheCommandsAreDisabled() {
    Running r(false);
    QCOMPARE(r.ui.messages, std::vector<std::string>{"INI file is missing. Initialization stoped !!!"});
    QVERIFY(r.form1()->isVisible());
    for (const char* disabled : {"cmdnewproj", "cmdCopyModel", "cmdOpen", "Command1", "cmdRefresh"})
        QVERIFY2(!r.widget(disabled)->isEnabled(), disabled);
    for (const char* enabled : {"cmdcancel", "Command2", "cmdSheetusr2", "cmbdisciplines", "txtfacilitynb"})
        QVERIFY2(r.widget(enabled)->isEnabled(), enabled);
    QVERIFY(QDir().mkpath(QStringLiteral(TRV_SCREENSHOT_DIR)));
    QVERIFY(r.form1()->grab().save(QStringLiteral(TRV_SCREENSHOT_DIR "/Form1-no-ini.png")));
    // A disabled button's click does not reach its handler.
    QTest::mouseClick(r.widget("Command1"), Qt::LeftButton);
    QCOMPARE(r.ui.messages.size(), std::size_t(1));
}

void GuiTest::pathProblemWindowBlocksUntilOk() {
    Running r;
    QSignalSpy ended(&r.renderer, &trv::gui::Renderer::programEnded);
    const std::string link =
        (r.office.root + "/resources/Standard_documents/klv-cadd-std-06.doc").toStdString();
    const std::string text = "Project path not found. Please check the settings in the TRV configuration";
    bool sawWindow = false;
    // Inside the modal loop: look at the window, click the link, then "Ok".
    QTimer::singleShot(0, this, [&] {
        QWidget* w = r.renderer.window("frmHyperLnkMsg");
        sawWindow = w && w->isVisible() && w->isModal() && w->windowTitle() == QLatin1String("TRV message") &&
                    shownText(r.widget("Label4", "frmHyperLnkMsg")) == QString::fromStdString(text);
        QWidget* link = r.widget("Label1", "frmHyperLnkMsg");
        if (link && link->cursor().shape() != Qt::PointingHandCursor) sawWindow = false;
        if (link) QTest::mouseClick(link, Qt::LeftButton);
        if (QWidget* ok = r.widget("Command1", "frmHyperLnkMsg")) QTest::mouseClick(ok, Qt::LeftButton);
    });
    // A watchdog, so that a window that never closes fails instead of hanging.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, this, [&] {
        r.program().hyperlnk.unload();
        r.renderer.refresh();
    });
    watchdog.start(5000);
    trv::showPathProblemAndEnd(r.program(), link, text);
    r.renderer.refresh();
    QVERIFY(sawWindow);
    QCOMPARE(r.ui.messages, std::vector<std::string>{"Can not find file " + link});
    QVERIFY(r.program().ended);
    QCOMPARE(ended.count(), 1);
    QVERIFY(!r.form1()->isVisible());
    QVERIFY(!r.renderer.window("frmHyperLnkMsg")->isVisible());
}

void GuiTest::secondaryWindowsAreModelessAndTheirCloseBoxUnloads() {
    Running r;
    int seen = 0;
    for (const auto& name : r.app.windowNames()) {
        const trv::ui::WindowDescription* desc = r.app.desc(name);
        trv::WindowModel* model = r.app.window(name);
        if (desc->modal || model == &r.program().form1) continue;
        ++seen;
        r.renderer.dispatch([model] { model->show(); });  // as a handler shows it
        QWidget* w = r.renderer.window(name);
        QVERIFY2(w->isVisible() && !w->isModal(), name.c_str());
        QCOMPARE(w->windowTitle(), QString::fromStdString(desc->caption));
        QCOMPARE(w->size(), QSize(desc->clientWidth / 15, desc->clientHeight / 15));
        QVERIFY(r.form1()->isVisible());
        w->close();
        QVERIFY2(!model->loaded && !model->visible, name.c_str());
        QVERIFY(!w->isVisible());
        QVERIFY(!r.program().ended);
    }
    QVERIFY(seen > 0);
}

void GuiTest::projectCodeFieldErrorsPutTheFocusIntoTheFailingBox() {
    Running r;
    QTest::mouseClick(r.widget("cmdnewproj"), Qt::LeftButton);
    QWidget* screen = r.renderer.window("frmfacilprojcode");
    QVERIFY(screen && screen->isVisible() && !screen->isModal());
    // Each row puts a wrong value into one box, the boxes before it right.
    struct Row {
        const char* box;
        const char* wrong;
        const char* right;
        const char* message;
    };
    const Row rows[] = {
        {"txtIdYear", "1a", "13", "Error : Wrong input for id year. Two digit input is expected."},
        {"txtIdSerial", "12", "001", "Error : Wrong input for id serial. Three digit input is expected."},
        {"txtContSerialNmb", "0001", "000",
         "Error : Wrong input for contract serial. Three digit input is expected."},
        {"txtprojname", "PIER \"7\"", "PIER 7",
         "Error : A project name cannot contain double quotes or line breaks."},
    };
    auto retype = [&](const char* box, const char* text) {
        QWidget* w = r.widget(box, "frmfacilprojcode");
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);  // the new text replaces the old
        QTest::keyClicks(w, QString::fromUtf8(text));
    };
    QWidget* create = r.widget("cmdcreateintprojcode", "frmfacilprojcode");
    for (const Row& row : rows) {
        retype(row.box, row.wrong);
        r.widget("cmdchangesheet", "frmfacilprojcode")->setFocus();
        r.ui.messages.clear();
        QTest::mouseClick(create, Qt::LeftButton);
        QCOMPARE(r.ui.messages, std::vector<std::string>{row.message});
        QCOMPARE(screen->focusWidget(), r.widget(row.box, "frmfacilprojcode"));
        retype(row.box, row.right);
    }
    QVERIFY(!QFile::exists(r.office.root + "/resources/klvprojects.txt"));

    // Enlarged, the screen shows its further fields below.
    const trv::ui::WindowDescription& desc = trv::ui::projectCodeDescription();
    screen->resize(desc.clientWidth / 15, desc.find("cmdcancel")->place.top / 15 + 48);
    QVERIFY(r.widget("cmdcancel", "frmfacilprojcode")->isVisible());
    QVERIFY(QDir().mkpath(QStringLiteral(TRV_SCREENSHOT_DIR)));
    QVERIFY(screen->grab().save(QStringLiteral(TRV_SCREENSHOT_DIR "/frmfacilprojcode-enlarged.png")));
}

void GuiTest::tabGoesThroughTheTextSizeScreenInItsOrder() {
    Running r;
    trv::WindowModel* model = r.app.window("frmTextScale");
    r.renderer.dispatch([model] { model->show(); });
    QWidget* screen = r.renderer.window("frmTextScale");
    screen->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(screen));
    // The labels take no focus; the read-only result box does. Tab comes round again.
    const char* const order[] = {"lstscales", "txttextsizein", "txttextsizeout", "cmdtextcnv", "lstscales"};
    r.widget(order[0], "frmTextScale")->setFocus();
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), r.widget(order[i], "frmTextScale"));
    }
}

void GuiTest::chooserStartsTheChosenApplicationWithTheFile() {
    QTemporaryDir home, work;
    // The MIME database finds its data through XDG_DATA_DIRS once, when first
    // used: load it before the system's applications are hidden below.
    QVERIFY(QMimeDatabase().mimeTypeForName("text/plain").isValid());
    EnvironmentGuard guardHome{"XDG_DATA_HOME"}, guardDirs{"XDG_DATA_DIRS"};
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    qputenv("XDG_DATA_DIRS", work.path().toUtf8() + "/none");
    const QString copy = work.path() + "/copied.txt";
    writeFile(home.path() + "/applications/copier.desktop",
              "[Desktop Entry]\nType=Application\nName=Copier\nMimeType=text/plain;\nExec=cp %f \"" +
                  copy.toUtf8() + "\"\n");
    const QString file = work.path() + "/notes.txt";
    writeFile(file, "some notes\n");

    QString title, shown;
    auto openChooser = [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* chooser = qobject_cast<trv::gui::ProgramChooser*>(w); chooser && chooser->isVisible())
                return chooser;
        }
        return static_cast<trv::gui::ProgramChooser*>(nullptr);
    };
    QTimer watchdog;  // a chooser left open fails the test instead of hanging it
    connect(&watchdog, &QTimer::timeout, this, [&] {
        if (auto* chooser = openChooser()) chooser->reject();
    });
    watchdog.start(5000);
    QTimer::singleShot(0, this, [&] {
        auto* chooser = openChooser();
        if (!chooser) return;
        title = chooser->windowTitle();
        auto* list = chooser->findChild<QListWidget*>();
        if (list && list->count() > 0) {
            shown = list->item(0)->text();
            list->setCurrentRow(0);
        }
        chooser->accept();
    });
    trv::NativePlatform system;
    trv::gui::GuiInteraction interaction(system);
    interaction.chooseProgramFor(file.toStdString());
    QCOMPARE(title, QStringLiteral("TRV"));
    QCOMPARE(shown, QStringLiteral("Copier"));
    QTRY_VERIFY(QFile::exists(copy));
}

void GuiTest::deliveryShowsItsProgressAndCancelStopsIt() {
    Running r;
    const QString source = r.office.root + "/resources/Standard_documents/";
    for (const char* name : {"a.doc", "b.doc", "c.doc", "d.doc", "e.doc"}) writeFile(source + name, name);
    // Runs while the copy lets events through: the progress window is on
    // show, modal, over the busy pointer; its Cancel is clicked.
    QString title;
    bool modal = false, busy = false;
    QTimer::singleShot(0, this, [&] {
        busy = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::BusyCursor;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* cancel = w->findChild<QPushButton*>(QStringLiteral("cancel"));
            if (!cancel || !w->isVisible()) continue;
            title = w->windowTitle();
            modal = w->windowModality() == Qt::ApplicationModal;
            w->grab().save(QStringLiteral(TRV_SCREENSHOT_DIR "/progress.png"));
            QTest::mouseClick(cancel, Qt::LeftButton);
        }
    });
    QTest::mouseClick(r.widget("cmdCopyres"), Qt::LeftButton);
    QTest::mouseClick(r.widget("cmdCopyresources", "frmCopyRes"), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Copy resources to a delivery folder"));
    QVERIFY(modal && busy);
    QCOMPARE(r.ui.messages.size(), std::size_t(2));
    QCOMPARE(r.ui.messages[1], std::string("The copy was cancelled: the delivery folder is not complete."));
    const QDir delivered(r.office.root + "/delivery/klv2contractor/klv_resources/Standard_documents");
    QVERIFY(delivered.exists());
    QVERIFY(delivered.entryList(QDir::Files).size() < 5);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY(!w->findChild<QPushButton*>(QStringLiteral("cancel")) || !w->isVisible());
}

void GuiTest::screenshotsOfEveryWindowAndOfTheMainWindowEnlarged() {
    Running r;
    const QString folder = QStringLiteral(TRV_SCREENSHOT_DIR);
    QVERIFY(QDir().mkpath(folder));
    r.program().hyperlnk.MessageText =
        "Project path not found. Please check the settings in the TRV configuration";
    r.program().hyperlnk.LinkPath =
        (r.office.root + "/resources/Standard_documents/klv-cadd-std-06.doc").toStdString();
    for (const auto& name : r.app.windowNames()) {
        trv::WindowModel* model = r.app.window(name);
        QVERIFY(model);
        const bool wasVisible = model->visible;
        if (!wasVisible) model->show();
        r.renderer.refresh();
        QWidget* w = r.renderer.window(name);
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QString::fromStdString(model->caption));
        const QString file = folder + "/" + QString::fromStdString(name) + ".png";
        QVERIFY2(w->grab().save(file), qPrintable(file));
        if (!wasVisible) {
            model->unload();
            r.renderer.refresh();
            QVERIFY(!w->isVisible());
        }
    }
    // The main window enlarged shows the controls below the start-up area,
    // all of them staying in their places.
    QWidget* form = r.form1();
    QWidget* spare = r.widget("lstsheettype");
    const QRect place = spare->geometry();
    QVERIFY(!form->rect().intersects(place));
    form->resize(form->width(), place.bottom() + 16);
    QCOMPARE(spare->geometry(), place);
    QCOMPARE(r.widget("cmdcancel")->geometry(), pixels(trv::ui::form1Description().find("cmdcancel")->place));
    QVERIFY(form->rect().contains(place) && spare->isVisible());
    QCOMPARE(qobject_cast<QListWidget*>(spare)->count(), 10);
    QVERIFY(form->grab().save(folder + "/Form1-enlarged.png"));
    form->resize(trv::ui::form1Description().clientWidth / 15, trv::ui::form1Description().clientHeight / 15);

    // The main window at work: a project, a drawing type, a discipline and a
    // sheet type chosen through the widgets.
    auto combo = [&](const char* name) { return qobject_cast<QComboBox*>(r.widget(name)); };
    QVERIFY(pick(combo("cmbProjectCode"), "KLV-13000-C000"));
    QTest::keyClicks(r.widget("txtfacilitynb"), "12");
    QVERIFY(pick(combo("cmbdesignasbuilt"), "Design Drawings"));
    QVERIFY(pick(combo("cmbdisciplines"), "Architectural"));
    if (combo("cmbModels")->count() > 0) QVERIFY(pick(combo("cmbModels"), combo("cmbModels")->itemText(0)));
    if (combo("cmbSheettype")->count() > 2)
        QVERIFY(pick(combo("cmbSheettype"), combo("cmbSheettype")->itemText(2)));
    QTest::mouseClick(r.widget("cmdSheetName"), Qt::LeftButton);
    QCOMPARE(shownText(r.widget("txtcurrentproj")), QStringLiteral("KLV-13000-C000"));
    QVERIFY(form->grab().save(folder + "/Form1-working.png"));
    for (const auto& m : r.ui.messages) qInfo("message: %s", m.c_str());
}

QTEST_MAIN(GuiTest)
#include "gui_test.moc"
