#pragma once

#include <QString>

class QPushButton;
class QWidget;
struct ConfigContext;

namespace EditorSupport {

inline const QString kListen = QStringLiteral("试听");
inline const QString kPause = QStringLiteral("暂停");
inline const QString kMusicFilter = QStringLiteral("支持的格式*.mp3;*.wav (*.wav *.mp3);;所有文件 (*)");

// The listen buttons: 试听 opens the file on the shared preview channel and plays it, 暂停
// stops it. A second button stops the first one's sound but leaves its caption alone.
void toggleListen(QPushButton& button, const QString& path, ConfigContext& context);

// Asks for a file starting in folder; empty when the user cancels.
QString browseFile(QWidget* parent, const QString& folder, const QString& filter);

} // namespace EditorSupport
