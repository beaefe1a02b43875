#include "editor_support.h"

#include "config_context.h"
#include "sound_player.h"

#include <QFileDialog>
#include <QPushButton>

namespace EditorSupport {

void toggleListen(QPushButton& button, const QString& path, ConfigContext& context)
{
    if (path.isEmpty()) {
        context.messages.warning(QStringLiteral("没有可以播放的音乐,请选择音乐的路径！"));
        return;
    }
    if (button.text() != kListen) {
        context.preview.stop();
        button.setText(kListen);
        return;
    }
    context.preview.stop();
    if (!context.preview.open(path)) {
        context.messages.warning(QStringLiteral("不支持该音乐文件，请更换其它音乐文件！"));
        return;
    }
    context.preview.play();
    button.setText(kPause);
}

QString browseFile(QWidget* parent, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, QString(), folder, filter);
}

} // namespace EditorSupport
