#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QListWidget;
class QMimeType;
class QPushButton;

namespace trv::gui {

// An installed application as its .desktop file describes it.
struct DesktopApplication {
    QString id;    // desktop file ID: the path below "applications" with '/' as '-'
    QString file;  // the .desktop file
    QString name;
    QString exec;
    QString icon;
    QStringList mimeTypes;
};

// The folders of .desktop files, the most important first:
// $XDG_DATA_HOME/applications, then each of $XDG_DATA_DIRS/applications.
QStringList applicationFolders();

// The [Desktop Entry] group of a .desktop file; nothing when the file is no
// application, is hidden, or names a TryExec program that is not installed.
std::optional<DesktopApplication> readDesktopFile(const QString& file, const QString& id);

// The applications whose MimeType= lists the type or one of its aliases,
// sorted by name. A desktop file ID found in an earlier folder hides the
// same ID in later ones.
QList<DesktopApplication> applicationsFor(const QMimeType& type, const QStringList& folders);

// Exec= split into arguments as the Desktop Entry format quotes them;
// nothing when the quoting is broken.
std::optional<QStringList> splitExec(const QString& exec);

// The argument vector that opens `path` with the application: its file and
// URL field codes replaced by the path (which is appended when Exec has none).
// Nothing when Exec cannot be split.
std::optional<QStringList> commandFor(const DesktopApplication& app, const QString& path);

// The chooser of programs: the applications installed for the file's type,
// and "Browse..." for any program file.
class ProgramChooser : public QDialog {
    Q_OBJECT
public:
    ProgramChooser(const QString& path, QList<DesktopApplication> applications, QWidget* parent = nullptr);

    // After an accepted dialog: the chosen application, or else the program file.
    std::optional<DesktopApplication> chosenApplication() const;
    QString chosenProgram() const { return program_; }

private:
    void browse();

    QList<DesktopApplication> applications_;
    QListWidget* list_;
    QPushButton* ok_;
    QString program_;
};

}  // namespace trv::gui
