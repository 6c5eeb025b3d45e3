// Placeholder until the TurboJPEG decoder lands.
#include "platform/NViewLib.h"

std::unique_ptr<QImage> NViewLibLoad(const QString&, quint32) { return nullptr; }
std::unique_ptr<QImage> NViewLibDecode(const QByteArray&) { return nullptr; }
