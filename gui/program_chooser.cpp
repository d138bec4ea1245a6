#include "gui/program_chooser.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QMimeType>
#include <QPushButton>
#include <QSet>
#include <QStandardPaths>
#include <QTextStream>
#include <QVBoxLayout>
#include <algorithm>

namespace trv::gui {

namespace {

QString envOr(const char* name, const QString& fallback) {
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? fallback : value;
}

// The escapes of a desktop entry's string values: \s \n \t \r \\.
QString unescapeValue(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const QChar next = value[++i];
        switch (next.unicode()) {
            case 's':
                out += QLatin1Char(' ');
                break;
            case 'n':
                out += QLatin1Char('\n');
                break;
            case 't':
                out += QLatin1Char('\t');
                break;
            case 'r':
                out += QLatin1Char('\r');
                break;
            case '\\':
                out += QLatin1Char('\\');
                break;
            default:
                out += c;  // the Exec quoting reads its own escapes later
                out += next;
        }
    }
    return out;
}

bool isTrue(const QString& value) { return value.trimmed() == QLatin1String("true"); }

bool installedProgram(const QString& program) {
    if (QFileInfo(program).isAbsolute()) return QFileInfo(program).isExecutable();
    return !QStandardPaths::findExecutable(program).isEmpty();
}

}  // namespace

QStringList applicationFolders() {
    QStringList folders{envOr("XDG_DATA_HOME", QDir::homePath() + QLatin1String("/.local/share")) +
                        QLatin1String("/applications")};
    const QString dataDirs = envOr("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share"));
    for (const QString& dir : dataDirs.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        folders.push_back(dir + QLatin1String("/applications"));
    return folders;
}

std::optional<DesktopApplication> readDesktopFile(const QString& file, const QString& id) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text)) return std::nullopt;
    QTextStream stream(&in);
    DesktopApplication app;
    app.id = id;
    app.file = file;
    bool inEntry = false, hidden = false;
    QString type, tryExec;
    while (!stream.atEnd()) {
        const QString line = stream.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!inEntry || eq < 0) continue;
        const QString key = line.left(eq).trimmed();
        const QString value = unescapeValue(line.mid(eq + 1).trimmed());
        if (key == QLatin1String("Type"))
            type = value;
        else if (key == QLatin1String("Name"))
            app.name = value;
        else if (key == QLatin1String("Exec"))
            app.exec = value;
        else if (key == QLatin1String("Icon"))
            app.icon = value;
        else if (key == QLatin1String("TryExec"))
            tryExec = value;
        else if (key == QLatin1String("Hidden"))
            hidden = isTrue(value);
        else if (key == QLatin1String("MimeType"))
            app.mimeTypes = value.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    }
    if (type != QLatin1String("Application") || hidden || app.exec.isEmpty() || app.name.isEmpty())
        return std::nullopt;
    if (!tryExec.isEmpty() && !installedProgram(tryExec)) return std::nullopt;
    return app;
}

QList<DesktopApplication> applicationsFor(const QMimeType& type, const QStringList& folders) {
    QStringList wanted = type.aliases();
    wanted.push_front(type.name());
    QList<DesktopApplication> found;
    QSet<QString> seen;
    for (const QString& folder : folders) {
        const QDir base(folder);
        QDirIterator it(folder, {QStringLiteral("*.desktop")}, QDir::Files, QDirIterator::Subdirectories);
        QStringList files;
        while (it.hasNext()) files.push_back(it.next());
        files.sort();
        for (const QString& file : files) {
            const QString id = base.relativeFilePath(file).replace(QLatin1Char('/'), QLatin1Char('-'));
            if (seen.contains(id)) continue;
            seen.insert(id);  // also when this one is hidden: it hides the later ones
            const auto app = readDesktopFile(file, id);
            if (!app) continue;
            const bool handles = std::any_of(wanted.begin(), wanted.end(),
                                             [&](const QString& m) { return app->mimeTypes.contains(m); });
            if (handles) found.push_back(*app);
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const DesktopApplication& a, const DesktopApplication& b) {
                         return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
                     });
    return found;
}

std::optional<QStringList> splitExec(const QString& exec) {
    QStringList args;
    QString current;
    bool inArg = false, quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == QLatin1Char('\\') && i + 1 < exec.size()) {
                current += exec[++i];
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                current += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = inArg = true;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')) {
            if (inArg) args.push_back(current);
            current.clear();
            inArg = false;
        } else if (c == QLatin1Char('\\') && i + 1 < exec.size()) {
            current += exec[++i];
            inArg = true;
        } else {
            current += c;
            inArg = true;
        }
    }
    if (quoted) return std::nullopt;
    if (inArg) args.push_back(current);
    if (args.isEmpty()) return std::nullopt;
    return args;
}

std::optional<QStringList> commandFor(const DesktopApplication& app, const QString& path) {
    const auto split = splitExec(app.exec);
    if (!split) return std::nullopt;
    QStringList command;
    bool fileGiven = false;
    for (const QString& arg : *split) {
        if (arg == QLatin1String("%f") || arg == QLatin1String("%F") || arg == QLatin1String("%u") ||
            arg == QLatin1String("%U")) {
            command.push_back(path);
            fileGiven = true;
            continue;
        }
        if (arg == QLatin1String("%i")) {
            if (!app.icon.isEmpty()) command << QStringLiteral("--icon") << app.icon;
            continue;
        }
        QString out;
        bool onlyCodes = true;
        for (qsizetype i = 0; i < arg.size(); ++i) {
            if (arg[i] != QLatin1Char('%') || i + 1 == arg.size()) {
                out += arg[i];
                onlyCodes = false;
                continue;
            }
            switch (arg[++i].unicode()) {
                case '%':
                    out += QLatin1Char('%');
                    onlyCodes = false;
                    break;
                case 'f':
                case 'F':
                case 'u':
                case 'U':
                    out += path;
                    fileGiven = true;
                    onlyCodes = false;
                    break;
                case 'c':
                    out += app.name;
                    onlyCodes = false;
                    break;
                case 'k':
                    out += app.file;
                    onlyCodes = false;
                    break;
                default:
                    break;  // deprecated or unknown codes are dropped
            }
        }
        if (!out.isEmpty() || !onlyCodes) command.push_back(out);
    }
    if (command.isEmpty()) return std::nullopt;
    if (!fileGiven) command.push_back(path);
    return command;
}

ProgramChooser::ProgramChooser(const QString& path, QList<DesktopApplication> applications, QWidget* parent)
    : QDialog(parent), applications_(std::move(applications)) {
    setWindowTitle(QStringLiteral("TRV"));
    auto* layout = new QVBoxLayout(this);
    const QString name = QFileInfo(path).fileName();
    auto* prompt = new QLabel(applications_.isEmpty()
                                  ? tr("No installed program is registered for \"%1\".\n"
                                       "Use \"Browse...\" to choose the program that opens it.")
                                        .arg(name)
                                  : tr("Choose the program you want to use to open \"%1\":").arg(name),
                              this);
    prompt->setTextFormat(Qt::PlainText);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);

    list_ = new QListWidget(this);
    for (const auto& app : applications_) {
        auto* item = new QListWidgetItem(QIcon::fromTheme(app.icon), app.name, list_);
        item->setToolTip(app.exec);
    }
    list_->setVisible(!applications_.isEmpty());
    layout->addWidget(list_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setEnabled(false);
    QPushButton* browse = buttons->addButton(tr("Browse..."), QDialogButtonBox::ActionRole);
    layout->addWidget(buttons);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { ok_->setEnabled(row >= 0); });
    connect(list_, &QListWidget::itemActivated, this, [this] { accept(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browse, &QPushButton::clicked, this, &ProgramChooser::browse);
    resize(420, applications_.isEmpty() ? 140 : 360);
}

std::optional<DesktopApplication> ProgramChooser::chosenApplication() const {
    const int row = list_->currentRow();
    if (!program_.isEmpty() || row < 0 || row >= applications_.size()) return std::nullopt;
    return applications_[row];
}

void ProgramChooser::browse() {
    const QString start =
        QDir(QStringLiteral("/usr/bin")).exists() ? QStringLiteral("/usr/bin") : QDir::homePath();
    const QString chosen = QFileDialog::getOpenFileName(this, QStringLiteral("TRV"), start);
    if (chosen.isEmpty()) return;
    program_ = chosen;
    accept();
}

}  // namespace trv::gui
