#pragma once
// The tests' way into CStatusPanel: what it shows, its parts, its state and
// its rotation timer.

#include "shell/StatusPanel.h"

namespace taleno {

class StatusPanelTestAccess {
public:
    explicit StatusPanelTestAccess(CStatusPanel& panel) : panel(panel) {}

    void ShowNextInfoLine() { panel.ShowNextInfoLine(); }

    QString StatusText() const { return panel.StatusText(); }
    QString TimeText() const { return panel.TimeText(); }
    int TimeFormat() const { return panel.timeFormat_; }
    QString TotalSuffix() const { return panel.totalSuffix_; }
    int TimeWidth(int timeFormat) const { return panel.TimeWidth(timeFormat); }
    int ChannelMode() const { return panel.channelMode_; }
    int StatusIconId() const { return panel.statusIconId_; }
    int ChannelIconAId() const { return panel.channelIconAId_; }
    int ChannelIconBId() const { return panel.channelIconBId_; }
    QString InfoText(int index) const { return panel.InfoText(index); }
    int InfoIndex() const { return panel.infoIndex_; }
    bool IsInfoRotationRunning() const { return panel.infoTimer_.isActive(); }

    const CColorLabel& StatusLabel() const { return *panel.statusLabel_; }
    const CColorLabel& TimeLabel() const { return *panel.timeLabel_; }
    const QLabel& StatusIconView() const { return *panel.statusIcon_; }
    const QLabel& ChannelIconAView() const { return *panel.channelIconA_; }
    const QLabel& ChannelIconBView() const { return *panel.channelIconB_; }

private:
    CStatusPanel& panel;
};

}  // namespace taleno
