#include "StatusLine.h"

#include <QAccessible>

#include "widgets/FormStyle.h"

TStatusLine::TStatusLine(QWidget* parent) : QLabel(parent) {
  setObjectName(QStringLiteral("StatusLine"));
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

void TStatusLine::ShowHint(const QString& hint) {
  setText(hint);
  setAccessibleName(hint);
}

void TStatusLine::Announce(const QString& text, bool shown) {
  if (shown) {
    setText(text);
    announced_ = text;
  }
  setAccessibleName(text);
  QAccessibleEvent event(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

void TStatusLine::ForgetAnnouncement() {
  if (!announced_.isEmpty() && text() == announced_) ShowHint(QString());
  announced_.clear();
}
