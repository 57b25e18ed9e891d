#include "SpinField.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QToolButton>
#include <QValidator>
#include <algorithm>
#include <climits>
#include <optional>

namespace {

constexpr int kButtonWidth = 15;

bool IsFieldChar(QChar c) {
  return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-';
}

// Keeps pasted or dropped text to the characters that can be typed. Partial
// numbers such as "-" or "" stay acceptable: the field reads them as its
// minimum rather than refusing them.
class TFieldCharsValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    return std::all_of(input.cbegin(), input.cend(), IsFieldChar) ? Acceptable : Invalid;
  }
};

std::optional<int> ParseDecimal(const QString& text) {
  int i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  if (i == text.size()) return std::nullopt;
  long long magnitude = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < u'0' || text[i] > u'9') return std::nullopt;
    magnitude = magnitude * 10 + (text[i].unicode() - u'0');
    if (magnitude > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
  }
  const long long value = negative ? -magnitude : magnitude;
  if (value < INT_MIN || value > INT_MAX) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace

TSpinField::TSpinField(int minValue, int maxValue, QWidget* parent)
    : QLineEdit(parent),
      minValue_(std::min(minValue, maxValue)),
      maxValue_(std::max(minValue, maxValue)),
      up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
  setValidator(new TFieldCharsValidator(this));
  setTextMargins(0, 0, kButtonWidth, 0);
  for (QToolButton* button : {up_, down_}) {
    button->setArrowType(button == up_ ? Qt::UpArrow : Qt::DownArrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::ArrowCursor);
    // The field takes the focus when an arrow is pressed, as a click on the
    // text would; the field that had it is brought into range on leaving.
    connect(button, &QToolButton::pressed, this, [this] { setFocus(Qt::MouseFocusReason); });
  }
  connect(up_, &QToolButton::clicked, this, [this] { StepBy(1); });
  connect(down_, &QToolButton::clicked, this, [this] { StepBy(-1); });
  SetValue(minValue_);
}

int TSpinField::Clamp(long long value) const {
  return static_cast<int>(std::clamp<long long>(value, minValue_, maxValue_));
}

int TSpinField::Value() const {
  return ParseDecimal(text()).value_or(minValue_);
}

void TSpinField::SetValue(int value) {
  setText(QString::number(Clamp(value)));
}

void TSpinField::StepBy(int delta) {
  // In 64 bits: the value read may lie anywhere in the int range.
  SetValue(Clamp(static_cast<long long>(Value()) + delta));
}

void TSpinField::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers chord = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  if (chord == Qt::NoModifier) {
    int step = 0;
    switch (event->key()) {
      case Qt::Key_Up:
        step = 1;
        break;
      case Qt::Key_Down:
        step = -1;
        break;
      case Qt::Key_PageUp:
        step = 10;
        break;
      case Qt::Key_PageDown:
        step = -10;
        break;
      default:
        break;
    }
    if (step != 0) {
      StepBy(step);
      event->accept();
      return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && typed[0].isPrint() && !std::all_of(typed.cbegin(), typed.cend(), IsFieldChar)) {
      QApplication::beep();
      emit KeyRefused();
      event->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

void TSpinField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // Only when the focus moves to another control of the window: a menu
  // popping up or a switch to another window leaves the text as typed.
  if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason) return;
  const int value = Value();
  if (Clamp(value) != value) SetValue(value);
}

void TSpinField::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  PlaceButtons();
}

void TSpinField::PlaceButtons() {
  const int frame = 2;
  const int inner = height() - 2 * frame;
  const int upHeight = inner / 2;
  const int x = width() - frame - kButtonWidth;
  up_->setGeometry(x, frame, kButtonWidth, upHeight);
  down_->setGeometry(x, frame + upHeight, kButtonWidth, inner - upHeight);
}
