#include "gui/program_chooser.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace trv::gui {

ProgramChooser::ProgramChooser(const QString& path, std::vector<DesktopApplication> applications,
                               QWidget* parent)
    : QDialog(parent), applications_(std::move(applications)) {
    setWindowTitle(QStringLiteral("TRV"));
    auto* layout = new QVBoxLayout(this);
    const QString name = QFileInfo(path).fileName();
    auto* prompt =
        new QLabel(applications_.empty() ? tr("No installed program is registered for \"%1\".\n"
                                              "Use \"Browse...\" to choose the program that opens it.")
                                               .arg(name)
                                         : tr("Choose the program you want to use to open \"%1\":").arg(name),
                   this);
    prompt->setTextFormat(Qt::PlainText);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);

    list_ = new QListWidget(this);
    for (const auto& app : applications_) {
        auto* item = new QListWidgetItem(QIcon::fromTheme(QString::fromStdString(app.icon)),
                                         QString::fromStdString(app.name), list_);
        item->setToolTip(QString::fromStdString(app.exec));
    }
    list_->setVisible(!applications_.empty());
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
    resize(420, applications_.empty() ? 140 : 360);
}

std::optional<DesktopApplication> ProgramChooser::chosenApplication() const {
    const int row = list_->currentRow();
    if (!program_.isEmpty() || row < 0 || static_cast<std::size_t>(row) >= applications_.size())
        return std::nullopt;
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
