#pragma once
// The tests' way into CStatusPanel: what it shows, its parts and its
// rotation timer.

#include "shell/StatusPanel.h"

namespace taleno {

class StatusPanelTestAccess {
public:
    explicit StatusPanelTestAccess(CStatusPanel& panel) : panel(panel) {}

    void ShowNextInfoLine() { panel.ShowNextInfoLine(); }

    QString StatusText() const { return panel.StatusText(); }
    QString TimeText() const { return panel.TimeText(); }
    int TimeWidth(int timeFormat) const { return panel.TimeWidth(timeFormat); }
    int ChannelIconAId() const { return panel.channelIconAId; }
    int ChannelIconBId() const { return panel.channelIconBId; }
    bool IsInfoRotationRunning() const { return panel.infoTimer.isActive(); }

    const CColorLabel& StatusLabel() const { return *panel.statusLabel; }
    const CColorLabel& TimeLabel() const { return *panel.timeLabel; }
    const QLabel& StatusIconView() const { return *panel.statusIcon; }
    const QLabel& ChannelIconAView() const { return *panel.channelIconA; }
    const QLabel& ChannelIconBView() const { return *panel.channelIconB; }

private:
    CStatusPanel& panel;
};

}  // namespace taleno
