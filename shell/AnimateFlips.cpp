#include "AnimateFlips.h"

#include <QAction>
#include <QMenu>

#include "IniStore.h"
#include "Reversi.h"

namespace {
const std::string kSection = "Animation";
const std::string kKey = "Flips";
}  // namespace

TAnimateFlips::TAnimateFlips(QObject* parent, TReversi* board, QMenu* view, const std::string& settingsPath)
    : QObject(parent), board_(board), atStart_(TIniStore(settingsPath).ReadBool(kSection, kKey, false)) {
  item_ = view->addAction(tr("Animate Flips"));
  item_->setObjectName(QStringLiteral("AnimateFlips1"));
  item_->setStatusTip(tr("Turn the discs a move flips over in a short animation"));
  item_->setCheckable(true);
  item_->setChecked(atStart_);
  board_->SetAnimateFlips(atStart_);
  connect(item_, &QAction::toggled, this, [this](bool on) { board_->SetAnimateFlips(on); });
}

std::vector<TIniWrite> TAnimateFlips::Writes() const {
  const bool on = item_->isChecked();
  if (on == atStart_) return {};
  return {{kSection, kKey, on ? "1" : "0"}};
}
