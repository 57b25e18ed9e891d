// TAboutBox: the modal about box. It names the game, shows the engine's
// version and this machine's speed figure (measured afresh on every
// showing), the author lines and a web address, and holds a small board that
// plays a full game of its own.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class QVariantAnimation;
class TReversi;
class TShadowLabel;
class TUrlLabel;

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);
  ~TAboutBox() override;

  // "Version" and the speed figure, as Label1 and Label4 show them.
  static QString PercentText(double devIdoz);

  // The speed figure read on each showing: the board's DevIdoz (about one
  // second) unless replaced, as tests do.
  std::function<double()> MeasureDevIdoz;
  // The opening animation; tests switch it off to look at the box at once.
  bool Animate = true;

  QFrame* Panel1 = nullptr;
  TReversi* Reversi1 = nullptr;
  TShadowLabel* TitleLabel = nullptr;
  QLabel* Label1 = nullptr;  // the engine's version
  QLabel* Label4 = nullptr;  // the speed figure
  QLabel* CopyrightLabel = nullptr;
  QLabel* EmailLabel = nullptr;
  TUrlLabel* WebLabel = nullptr;
  QPushButton* OKButton = nullptr;

  void FormCreate();
  void FormShow();

  void setVisible(bool visible) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  class TExplodeCover;
  void StartExplode();
  void SetReveal(double fraction);

  TExplodeCover* cover_ = nullptr;
  QVariantAnimation* explode_ = nullptr;
  bool measuring_ = false;
};
