// TLevelFrm, the "Level" dialog: how the computer limits its thinking (time
// per move, a fixed depth, or no limit) and the two values of the selective
// search. Created once and reused, so its fields keep what they held between
// showings. OK writes the choice into the engine; the close box applies
// nothing; there is no Cancel, and Esc does nothing.
//
// Once the window offers it (SetAnalystPlayer), a panel to the right of the
// designed ones chooses the analyst as the computer player instead, at a
// strength and a time per move; the designed part keeps its place and looks,
// and the analyst stays off until chosen.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "ReversiCore.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class TSpinField;
struct TStrongLevel;

// The level text of the time level, "2 seconds per move". A translation may
// give 1 a singular; the English keeps "1 seconds per move".
QString SecondsPerMoveText(int seconds);

class TLevelFrm : public QDialog {
  Q_OBJECT

 public:
  explicit TLevelFrm(QWidget* parent = nullptr);

  // Fills the fields from engine and shows the dialog modally; returns when
  // it has closed. engine must outlive the showing.
  void Execute(reversi::TReversiCore& engine);
  // Execute without the showing: fills the fields, selects the radio button
  // and sets the enabled states.
  void Fill(reversi::TReversiCore& engine);
  // Shows the analyst's panel, filled from level and written into it on OK;
  // null hides it. level must outlive the dialog's use of it.
  void SetAnalystPlayer(TStrongLevel* level);

  // The main window's part in OK: set its level text to the given text, or
  // refresh its whole "Game" box. Skipped when empty.
  std::function<void(const QString& text)> OnLevelText;
  std::function<void()> OnShowGame;

  void RadioButton1Click();
  void RadioButton2Click();
  void RadioButton3Click();
  // OK: writes the choice into the engine filled from, then closes.
  void BitBtn1Click();

  QFrame* Panel1;
  QRadioButton* RadioButton1;  // "Time per move"
  QRadioButton* RadioButton2;  // "Fixed depth search"
  QRadioButton* RadioButton3;  // "Infinite time"
  TSpinField* SecondsEdit;     // seconds per move, 1 to 32000
  TSpinField* DepthEdit;       // depth in plies, 1 to 12
  QLabel* Label1;
  TSpinField* GammaEdit;  // -10000 to 10000
  QLabel* Label2;
  TSpinField* SelDepthEdit;  // 1 to 20
  QPushButton* BitBtn1;      // "OK", the default button

  // The analyst as the computer player, beside the designed panel.
  QFrame* Panel2;
  QCheckBox* AnalystCheck;         // "Analyst as opponent"
  QComboBox* StrengthBox;          // Strong, Good, Club, Beginner
  QLabel* StrengthNote;            // what the strength plays
  TSpinField* AnalystSecondsEdit;  // 1 to 600
  QDoubleSpinBox* BookMarginEdit;  // 0 to 8 discs

 private:
  void AnalystCheckClick();
  void CreateAnalystPanel();
  void ApplyAnalyst();

  reversi::TReversiCore* engine_ = nullptr;
  TStrongLevel* analyst_ = nullptr;
};
