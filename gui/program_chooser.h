#pragma once

#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

#include "platform/desktop_entries.h"

class QListWidget;
class QPushButton;

namespace trv::gui {

// The chooser of programs: the applications installed for the file's type
// (found by the platform layer), and "Browse..." for any program file.
class ProgramChooser : public QDialog {
    Q_OBJECT
public:
    ProgramChooser(const QString& path, std::vector<DesktopApplication> applications,
                   QWidget* parent = nullptr);

    // After an accepted dialog: the chosen application, or else the program file.
    std::optional<DesktopApplication> chosenApplication() const;
    QString chosenProgram() const { return program_; }

private:
    void browse();

    std::vector<DesktopApplication> applications_;
    QListWidget* list_;
    QPushButton* ok_;
    QString program_;
};

}  // namespace trv::gui
