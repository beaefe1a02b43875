#pragma once

class QApplication;

// The program's one style sheet and its CJK font.
void applySkin(QApplication& app);
