#pragma once

#include <QLoggingCategory>

// The link's diagnostics ("Connect", "cmd Failed", ...): off unless asked for with
// QT_LOGGING_RULES="k3config.link.debug=true", so a normal run keeps a quiet console.
Q_DECLARE_LOGGING_CATEGORY(linkLog)
