// Edit > Match...: two players (the analyst, the classic player at a
// level, any GTP engine by its command line) play a number of games from
// the openings of real games, each opening twice with the colours swapped,
// at a depth or a time per move. The games run on a thread of their own
// with players of their own; the table of wins, draws, losses, margins and
// score fills as each game ends, and every game can be saved as GGF.
#pragma once

#include <QDialog>
#include <memory>
#include <vector>

#include "EngineSettings.h"
#include "Match.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;

struct TMatchRun;

class TMatchWindow : public QDialog {
  Q_OBJECT

 public:
  explicit TMatchWindow(QWidget* parent = nullptr);
  // Stops a match under way; its thread ends by itself soon after.
  ~TMatchWindow() override;

  // Starts a match with the form's settings; false, with the reason shown,
  // when a player cannot be made.
  bool Start();
  void Stop();
  bool Running() const;
  // The registered external engines, offered by name beside the players
  // written out; a name chosen plays as its engine.
  void OfferEngines(const TEngineSettings& engines);
  const std::vector<reversi::engines::TGameResult>& Results() const { return results_; }

 signals:
  void GameEnded(int played);
  void MatchEnded();

 private:
  // From the match's thread, for the match of this generation.
  void Ended(int generation, const reversi::engines::TGameResult& result);
  void Finished(int generation);
  void ShowTable();
  void SaveGames();

  // The choice a player's box names: a registered engine's, or the text.
  QString SpecOf(const QString& text) const;

  TEngineSettings engines_;
  QComboBox* Player1_;
  QComboBox* Player2_;
  QSpinBox* Games_;
  QComboBox* Budget_;
  QComboBox* Openings_;
  QSpinBox* Seed_;
  QDoubleSpinBox* Amount_;
  QLineEdit* GgfFile_;
  QPushButton* Start_;
  QPushButton* Stop_;
  QTableWidget* Table_;
  QListWidget* List_;
  QLabel* Status_;

  std::vector<reversi::engines::TGameResult> results_;
  QString names_[2];
  QString ggf_;
  std::shared_ptr<TMatchRun> run_;
  int generation_ = 0;
};
