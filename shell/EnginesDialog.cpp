#include "EnginesDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <thread>

#include "Process.h"

using namespace reversi::engines;

namespace {
enum { kDetect, kGtp, kNboard };
}

TEnginesDialog::TEnginesDialog(TEngineSettings* engines, QWidget* parent) : QDialog(parent), engines_(engines) {
  setObjectName(QStringLiteral("Engines"));
  setWindowTitle(tr("Engines"));
  List_ = new QListWidget(this);
  List_->setObjectName(QStringLiteral("List"));
  Name_ = new QLineEdit(this);
  Name_->setObjectName(QStringLiteral("Name"));
  Name_->setPlaceholderText(tr("the engine's own name when empty"));
  Command_ = new QLineEdit(this);
  Command_->setObjectName(QStringLiteral("Command"));
  Command_->setPlaceholderText(QStringLiteral("/usr/games/gtp-rhino -l 3"));
  Protocol_ = new QComboBox(this);
  Protocol_->setObjectName(QStringLiteral("Protocol"));
  Protocol_->addItems({tr("Detect"), QStringLiteral("GTP"), QStringLiteral("NBoard")});
  Add_ = new QPushButton(tr("Add"), this);
  Add_->setObjectName(QStringLiteral("Add"));
  Remove_ = new QPushButton(tr("Remove"), this);
  Remove_->setObjectName(QStringLiteral("Remove"));
  Status_ = new QLabel(this);
  Status_->setObjectName(QStringLiteral("Status"));
  Status_->setWordWrap(true);
  auto* form = new QFormLayout;
  form->addRow(tr("Command line:"), Command_);
  form->addRow(tr("Protocol:"), Protocol_);
  form->addRow(tr("Name:"), Name_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->addButton(Add_, QDialogButtonBox::ActionRole);
  buttons->addButton(Remove_, QDialogButtonBox::ActionRole);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(List_);
  layout->addLayout(form);
  layout->addWidget(Status_);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(Add_, &QPushButton::clicked, this, &TEnginesDialog::AddClick);
  connect(Remove_, &QPushButton::clicked, this, &TEnginesDialog::RemoveClick);
  resize(520, 360);
  ShowList();
}

void TEnginesDialog::ShowList() {
  List_->clear();
  for (const TEngineEntry& e : engines_->Engines)
    List_->addItem(QStringLiteral("%1 (%2): %3")
                       .arg(QString::fromStdString(e.Name), e.Protocol == TProtocol::Gtp ? "GTP" : "NBoard",
                            QString::fromStdString(e.Command)));
  Remove_->setEnabled(!engines_->Engines.empty());
}

void TEnginesDialog::AddClick() {
  const QString command = Command_->text().trimmed();
  const QString name = Name_->text().trimmed();
  if (detecting_) return;
  if (SplitCommand(command.toStdString()).empty()) {
    Status_->setText(tr("Give the engine's command line."));
    return;
  }
  if (static_cast<int>(engines_->Engines.size()) >= TEngineSettings::kMaxEngines) {
    Status_->setText(tr("No more than %1 engines can be registered.").arg(TEngineSettings::kMaxEngines));
    return;
  }
  if (Protocol_->currentIndex() != kDetect) {
    Add(name, Protocol_->currentIndex() == kGtp ? TProtocol::Gtp : TProtocol::Nboard, command);
    return;
  }
  // The engine may take seconds to start or never answer: it is asked on a
  // thread of its own, and the answer comes back here only if the dialog
  // is still there.
  detecting_ = true;
  Add_->setEnabled(false);
  Status_->setText(tr("Asking %1 which protocol it speaks...").arg(command));
  QPointer<TEnginesDialog> self(this);
  std::thread([self, command, name] {
    const TDetection found = DetectEngine(command.toStdString());
    QMetaObject::invokeMethod(
        qApp,
        [self, found, command, name] {
          if (self) self->Detected(found, command, name);
        },
        Qt::QueuedConnection);
  }).detach();
}

void TEnginesDialog::Detected(const TDetection& found, const QString& command, const QString& name) {
  detecting_ = false;
  Add_->setEnabled(true);
  if (!found.Ok) {
    Status_->setText(tr("%1 was not added: %2").arg(command, QString::fromStdString(found.Error)));
    emit DetectionEnded(false);
    return;
  }
  Add(name.isEmpty() ? QString::fromStdString(found.Name) : name, found.Protocol, command);
  emit DetectionEnded(true);
}

void TEnginesDialog::Add(const QString& name, TProtocol protocol, const QString& command) {
  TEngineEntry entry;
  entry.Protocol = protocol;
  entry.Command = command.toStdString();
  // Without a name of its own, an engine is called by its program.
  std::string wanted = name.simplified().toStdString();
  if (wanted.empty()) {
    const std::string program = SplitCommand(entry.Command).front();
    wanted = program.substr(program.rfind('/') + 1);
  }
  entry.Name = engines_->FreeName(wanted);
  engines_->Engines.push_back(entry);
  ShowList();
  List_->setCurrentRow(List_->count() - 1);
  Status_->setText(
      tr("%1 added (%2).").arg(QString::fromStdString(entry.Name), protocol == TProtocol::Gtp ? "GTP" : "NBoard"));
  Name_->clear();
  Command_->clear();
  emit Changed();
}

void TEnginesDialog::RemoveClick() {
  const int row = List_->currentRow();
  if (row < 0 || row >= static_cast<int>(engines_->Engines.size())) return;
  const QString name = QString::fromStdString(engines_->Engines[row].Name);
  engines_->Engines.erase(engines_->Engines.begin() + row);
  ShowList();
  Status_->setText(tr("%1 removed.").arg(name));
  emit Changed();
}
