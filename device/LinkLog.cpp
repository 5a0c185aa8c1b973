#include "LinkLog.h"

Q_LOGGING_CATEGORY(linkLog, "k3config.link", QtInfoMsg)
