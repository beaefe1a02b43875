#pragma once

class QCoreApplication;

// Loads Qt's own Chinese texts, so standard buttons read 确定, 取消, 是, 否.
void installChineseTranslations(QCoreApplication& app);
