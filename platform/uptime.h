#pragma once

#include <QtGlobal>

// Whole seconds since the machine started, suspended time included. 64 bits: no wrap.
qint64 uptimeSeconds();
