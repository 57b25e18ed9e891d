#include "StatusLine.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "widgets/FormStyle.h"

namespace {

const char kQuiet[] = "vzQuietLabel";

std::function<void(const QObject*)>& SaidObserver() {
  static std::function<void(const QObject*)> observer;
  return observer;
}

// A label read as its text (or, for the status line, what it last said).
// The label's own accessible name is set to something fixed, which keeps
// QLabel from sending an event with every new text.
class TQuietLabelAccessible : public QAccessibleWidget {
 public:
  explicit TQuietLabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    const auto* label = static_cast<const QLabel*>(widget());
    if (t == QAccessible::Name) {
      if (const auto* line = qobject_cast<const TStatusLine*>(label)) return line->Spoken();
      const QVariant spoken = label->property("vzSpoken");
      return spoken.isValid() ? spoken.toString() : label->text();
    }
    if (t == QAccessible::Description) return label->accessibleDescription();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* QuietLabelFactory(const QString&, QObject* object) {
  auto* label = qobject_cast<QLabel*>(object);
  if (label && label->property(kQuiet).toBool()) return new TQuietLabelAccessible(label);
  return nullptr;
}

}  // namespace

void MakeQuietLabel(QLabel* label) {
  static const bool installed = (QAccessible::installFactory(QuietLabelFactory), true);
  (void)installed;
  label->setProperty(kQuiet, true);
  // A label made with its text has had its interface made already (QLabel
  // sends an event as it takes the text): the next query makes the quiet one.
  QAccessibleInterface* made = QAccessible::queryAccessibleInterface(label);
  if (made && !dynamic_cast<TQuietLabelAccessible*>(made))
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
  if (label->accessibleName().isEmpty()) label->setAccessibleName(label->objectName());
}

void ObserveSaid(std::function<void(const QObject*)> observer) {
  SaidObserver() = std::move(observer);
}

void SayChanged(QLabel* label) {
  if (SaidObserver()) SaidObserver()(label);
  QAccessibleEvent event(label, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

TStatusLine::TStatusLine(QWidget* parent) : QLabel(parent) {
  setObjectName(QStringLiteral("StatusLine"));
  MakeQuietLabel(this);
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setFont(formstyle::StatusFont());
  QPalette pal = palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    pal.setColor(group, QPalette::WindowText, Qt::black);
    pal.setColor(group, QPalette::Text, Qt::black);
  }
  setPalette(pal);
}

// A new text is said once; the same text again (the mouse back on the same
// control) is not.
void TStatusLine::ShowHint(const QString& hint) {
  setText(hint);
  if (hint != spoken_) Say(hint);
}

void TStatusLine::ShowStatus(const QString& text) {
  ShowHint(text);
  announced_ = text;
}

// Said even when it repeats the last announcement: a second pass in a row
// is news.
void TStatusLine::Announce(const QString& text, bool shown) {
  if (shown) {
    setText(text);
    announced_ = text;
  }
  Say(text);
}

void TStatusLine::ForgetAnnouncement() {
  if (!announced_.isEmpty() && text() == announced_) ShowHint(QString());
  announced_.clear();
}

void TStatusLine::Say(const QString& text) {
  spoken_ = text;
  SayChanged(this);
}
