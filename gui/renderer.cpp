#include "gui/renderer.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QEventLoop>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalBlocker>
#include <QtDebug>
#include <algorithm>
#include <exception>
#include <utility>

#include "app/controls.h"
#include "app/program.h"
#include "gui/widgets.h"

namespace trv::gui {

namespace {

using ui::ControlKind;

QString qs(const std::string& s) { return QString::fromStdString(s); }

using ui::pixels;

QRect placeOf(const ui::Twips& t) {
    return {pixels(t.left), pixels(t.top), pixels(t.width), pixels(t.height)};
}

QStringList itemsOf(const Control& c) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(c.items().size()));
    for (const auto& item : c.items()) items.push_back(qs(item));
    return items;
}

QStringList itemsOf(const QComboBox& combo) {
    QStringList items;
    for (int i = 0; i < combo.count(); ++i) items.push_back(combo.itemText(i));
    return items;
}

QStringList itemsOf(const QListWidget& list) {
    QStringList items;
    for (int i = 0; i < list.count(); ++i) items.push_back(list.item(i)->text());
    return items;
}

}  // namespace

Renderer::Renderer(ui::Application& app, QObject* parent) : QObject(parent), app_(app), sync_(app, *this) {
    const auto names = app_.windowNames();
    if (!names.empty()) build(names.front());
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { userFocused(now); });
}

Renderer::~Renderer() {
    for (auto& [name, w] : windows_) {
        if (w->widget != mainWidget_.get()) delete w->widget;
    }
    windows_.clear();
}

QWidget* Renderer::window(const std::string& windowName) {
    Window* w = build(windowName);
    return w ? w->widget : nullptr;
}

QWidget* Renderer::control(const std::string& windowName, const std::string& controlName) {
    Window* w = build(windowName);
    const Rendered* r = w ? ui::renderedControl(*w, controlName) : nullptr;
    return r ? r->widget : nullptr;
}

Renderer::Window* Renderer::build(const std::string& windowName) {
    if (const auto it = windows_.find(windowName); it != windows_.end()) return it->second.get();
    auto w = std::make_unique<Window>();
    if (!sync_.describe(windowName, *w)) return nullptr;
    WindowModel* model = w->model;
    const ui::WindowDescription* desc = w->desc;
    const bool isMain = windows_.empty() && !mainWidget_;
    const bool fixed = desc->border == ui::BorderStyle::FixedDialog;
    Qt::WindowFlags flags = fixed ? Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                        Qt::MSWindowsFixedSizeDialogHint
                                  : Qt::Window;
    auto* widget = new FormWidget(isMain ? nullptr : mainWidget_.get(), flags);
    if (isMain) mainWidget_.reset(widget);
    w->widget = widget;
    widget->setObjectName(qs(desc->name));
    widget->setWindowTitle(qs(ui::captionOf(*model, *desc)));
    const QSize client(pixels(desc->clientWidth), pixels(desc->clientHeight));
    if (fixed) {
        widget->setFixedSize(client);
    } else {
        widget->resize(client);
    }
    if (desc->modal) widget->setWindowModality(Qt::ApplicationModal);

    const WindowFonts fonts = fitFonts(*desc);
    widget->setFont(fonts.window);
    for (const auto& c : desc->controls) {
        Rendered r;
        r.desc = &c;
        r.model = model->controls.find(c.name);
        r.widget = makeWidget(*w, c, r.model, fonts);
        w->controls.push_back(r);
    }

    Window* raw = w.get();
    widget->onCloseBox = [this, raw] { closeBox(*raw); };
    windows_[windowName] = std::move(w);
    refreshWindow(*raw);
    return raw;
}

QWidget* Renderer::makeWidget(Window& w, const ui::ControlDescription& c, Control* model, const WindowFonts& fonts) {
    QWidget* parent = w.widget;
    const QFont& font = fonts.of(c.name);
    QWidget* widget = nullptr;
    switch (c.kind) {
        case ControlKind::Label:
            widget = makeLabel(parent, c, model, font);
            break;
        case ControlKind::TextBox:
        case ControlKind::ReadOnlyBox:
            widget = makeTextBox(parent, c, model, font);
            break;
        case ControlKind::BannerBox:
            widget = makeBanner(parent);
            break;
        case ControlKind::Button:
            widget = makeButton(parent, model);
            break;
        case ControlKind::ComboBox:
        case ControlKind::PickList:
            widget = makeDropDown(parent, c, model);
            break;
        case ControlKind::ListBox:
            widget = makeListBox(parent, model);
            break;
        case ControlKind::Picture:
            widget = new LogoWidget(parent);
            break;
    }

    widget->setObjectName(qs(c.name));
    if (!c.link) widget->setFont(font);
    widget->setGeometry(placeOf(c.place));
    if (!c.tooltip.empty()) widget->setToolTip(qs(c.tooltip));
    if (!model) {
        // A control without a model shows its design-time state and raises nothing.
        if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(qs(c.caption));
        if (auto* button = qobject_cast<QPushButton*>(widget)) button->setText(qs(c.caption));
        widget->setVisible(c.visible);
    }
    return widget;
}

std::function<void()> Renderer::clickOf(Control* model) {
    return [this, model] {
        dispatch([model] {
            if (model->enabled) model->click();
        });
    };
}

std::function<void(const QString&)> Renderer::typingInto(Control* model) {
    return [this, model](const QString& text) {
        dispatch([model, text] { model->setText(text.toStdString()); });
    };
}

std::function<void(int)> Renderer::choiceIn(Control* model) {
    return [this, model](int index) { dispatch([model, index] { model->setListIndex(index); }); };
}

QWidget* Renderer::makeLabel(QWidget* parent, const ui::ControlDescription& c, Control* model,
                             const QFont& font) {
    auto* label = new ClickLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(isMultiLine(c, font));
    if (c.link) {
        QFont underlined = font;
        underlined.setUnderline(true);
        label->setFont(underlined);
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, pal.color(QPalette::Highlight));
        label->setPalette(pal);
        label->setCursor(Qt::PointingHandCursor);
    }
    if (model) connect(label, &ClickLabel::clicked, this, clickOf(model));
    return label;
}

QWidget* Renderer::makeTextBox(QWidget* parent, const ui::ControlDescription& c, Control* model,
                               const QFont& font) {
    const bool readOnly = c.kind == ControlKind::ReadOnlyBox;
    const bool typed = model && !readOnly;
    QWidget* widget = nullptr;
    QtTextMetrics metrics;
    if (ui::isMultiLineBox(c, choiceOf(font), metrics)) {
        auto* box = new QPlainTextEdit(parent);
        box->setReadOnly(readOnly);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        box->setTabChangesFocus(true);
        if (typed) {
            connect(box, &QPlainTextEdit::textChanged, this,
                    [box, typing = typingInto(model)] { typing(box->toPlainText()); });
        }
        widget = box;
    } else {
        auto* box = new QLineEdit(parent);
        box->setReadOnly(readOnly);
        if (typed) connect(box, &QLineEdit::textEdited, this, typingInto(model));
        widget = box;
    }
    if (readOnly) {
        // Read-only boxes show what the program found; a quieter background says so.
        QPalette pal = widget->palette();
        pal.setColor(QPalette::Base, pal.color(QPalette::AlternateBase));
        widget->setPalette(pal);
    }
    return widget;
}

QWidget* Renderer::makeBanner(QWidget* parent) {
    auto* banner = new BannerText(parent);
    QPalette pal = banner->palette();
    const ui::Colour colour = ui::bannerColour;
    pal.setColor(QPalette::WindowText, QColor(colour.red, colour.green, colour.blue));
    banner->setPalette(pal);
    return banner;
}

QWidget* Renderer::makeButton(QWidget* parent, Control* model) {
    auto* button = new WrapButton(parent);
    button->setAutoDefault(false);
    if (model) connect(button, &QPushButton::clicked, this, clickOf(model));
    return button;
}

QWidget* Renderer::makeDropDown(QWidget* parent, const ui::ControlDescription& c, Control* model) {
    auto* combo = new QComboBox(parent);
    combo->installEventFilter(this);  // see eventFilter
    const bool editable = c.kind == ControlKind::ComboBox;
    combo->setEditable(editable);
    combo->setMaxVisibleItems(ui::visibleListEntries);
    if (editable) {
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);  // a completion would change the text behind the model's back
        if (model) connect(combo->lineEdit(), &QLineEdit::textEdited, this, typingInto(model));
    }
    if (model) connect(combo, &QComboBox::activated, this, choiceIn(model));
    return combo;
}

QWidget* Renderer::makeListBox(QWidget* parent, Control* model) {
    auto* list = new QListWidget(parent);
    if (model) connect(list, &QListWidget::currentRowChanged, this, choiceIn(model));
    return list;
}

bool Renderer::eventFilter(QObject* watched, QEvent* event) {
    // The wheel turning over a closed list would choose another entry, and
    // with it run the list's handler (accept another project, write a saved
    // choice) while the user only meant to scroll.
    if (event->type() == QEvent::Wheel && qobject_cast<QComboBox*>(watched)) return true;
    return QObject::eventFilter(watched, event);
}

void Renderer::update(const std::string& windowName) {
    if (Window* w = build(windowName)) refreshWindow(*w);
}

void Renderer::refreshWindow(Window& w) {
    const QString title = qs(ui::captionOf(*w.model, *w.desc));
    if (w.widget->windowTitle() != title) w.widget->setWindowTitle(title);
    for (auto& r : w.controls) {
        if (r.model) refreshControl(r);
    }
    flowSentences(w);
}

void Renderer::flowSentences(Window& w) {
    std::vector<Rendered*> labels;
    std::vector<ui::SentencePart> parts;
    for (auto& r : w.controls) {
        auto* label = qobject_cast<QLabel*>(r.widget);
        if (!label || r.desc->kind != ControlKind::Label || label->wordWrap()) continue;
        labels.push_back(&r);
        parts.push_back({r.desc, label->text().toStdString(), choiceOf(label->font()), label->x(), label->width()});
    }
    QtTextMetrics metrics;
    const std::vector<ui::SentencePlace> place = ui::flowSentences(parts, metrics);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        // Qt's labels draw no background: only where each starts matters.
        QWidget* label = labels[i]->widget;
        if (label->x() != place[i].left) label->move(place[i].left, label->y());
    }
}

void Renderer::refreshControl(Rendered& r) {
    const ui::ControlView v = ui::viewOf(*r.model, r.desc->kind);
    QWidget* widget = r.widget;
    const QSignalBlocker block(widget);
    const QString text = qs(v.text);

    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text() != text) label->setText(text);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        if (button->text() != text) button->setText(text);
    } else if (auto* banner = qobject_cast<BannerText*>(widget)) {
        banner->setText(text);
    } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        if (line->text() != text) {
            line->setText(text);
            if (line->isReadOnly()) line->setCursorPosition(0);
        }
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
        if (box->toPlainText() != text) box->setPlainText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        const QSignalBlocker blockEdit(combo->lineEdit());
        const QStringList items = itemsOf(*r.model);
        if (itemsOf(*combo) != items) {
            combo->clear();
            combo->addItems(items);
            // The drop-down is as wide as its longest entry, like the
            // windows' lists of long sheet-type names.
            int widest = 0;
            for (const QString& item : items)
                widest = std::max(widest, combo->fontMetrics().horizontalAdvance(item));
            combo->view()->setMinimumWidth(ui::dropDownWidth(widest));
        }
        if (combo->currentIndex() != v.listIndex) combo->setCurrentIndex(v.listIndex);
        if (combo->isEditable()) {
            if (combo->currentText() != text) combo->setEditText(text);
        } else if (combo->placeholderText() != qs(v.cue)) {
            combo->setPlaceholderText(qs(v.cue));
        }
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        const QStringList items = itemsOf(*r.model);
        if (itemsOf(*list) != items) {
            list->clear();
            list->addItems(items);
        }
        if (list->currentRow() != v.listIndex) list->setCurrentRow(v.listIndex);
    }

    if (widget->isEnabled() != v.enabled) widget->setEnabled(v.enabled);
    if (widget->isHidden() == v.visible) widget->setVisible(v.visible);
    if (r.takeFocus()) widget->setFocus(Qt::OtherFocusReason);
}

bool Renderer::onScreen(const std::string& windowName) {
    return windows_.at(windowName)->widget->isVisible();
}

void Renderer::show(const std::string& windowName) {
    Window& w = *windows_.at(windowName);
    placeOnScreen(w);
    w.widget->show();
    // The offscreen platform used by the tests cannot raise a window.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) w.widget->raise();
    w.widget->activateWindow();
}

void Renderer::hide(const std::string& windowName) { windows_.at(windowName)->widget->hide(); }

void Renderer::refreshed() {
    for (auto& [name, loop] : modalLoops_) {
        if (loop && sync_.modalOver(name)) loop->quit();
    }
}

void Renderer::ended(bool first) {
    for (auto& [name, w] : windows_) w->widget->hide();
    if (first) emit programEnded();
}

void Renderer::unhandled(const std::string& what) {
    qWarning("TRV: unhandled error in an event handler: %s", what.c_str());
}

void Renderer::placeOnScreen(Window& w) {
    if (w.placed) return;
    w.placed = true;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const bool overMain = w.widget != mainWidget_.get() && mainWidget_ && mainWidget_->isVisible();
    if (!screen && !overMain) return;
    auto rect = [](const QRect& r) {
        return ui::ScreenRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    };
    const ui::ScreenRect owner = rect(overMain ? mainWidget_->geometry() : screen->availableGeometry());
    const ui::ScreenRect work = screen ? rect(screen->availableGeometry()) : owner;
    const ui::ScreenPoint corner = ui::centredOver(owner, w.widget->width(), w.widget->height(), work);
    w.widget->move(corner.x, corner.y);
}

void Renderer::closeBox(Window& w) {
    const std::string name = w.model->name;
    dispatch([this, name] { app_.close(name); });
}

void Renderer::runModal(const std::string& windowName) {
    Window* w = build(windowName);
    if (!w) return;
    refresh();
    if (app_.program().ended || !w->model->visible) return;
    QEventLoop loop;
    modalLoops_.emplace_back(windowName, &loop);
    loop.exec(QEventLoop::DialogExec);
    modalLoops_.pop_back();
    refresh();
}

void Renderer::userFocused(QWidget* now) {
    // Which control now has the focus, as the window's model should know it.
    for (QWidget* widget = now; widget; widget = widget->parentWidget()) {
        if (ui::focusMoved(windows_, [widget](const Rendered& r) { return r.widget == widget; })) return;
        if (widget->isWindow()) return;
    }
}

}  // namespace trv::gui
