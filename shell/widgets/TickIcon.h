// The green tick on the OK buttons of the dialogs.
#pragma once

#include <QIcon>

QIcon TickIcon();
