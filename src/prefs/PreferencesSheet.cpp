#include "prefs/PreferencesSheet.h"

#include "engine/EngineArguments.h"
#include "settings/SettingsTable.h"
#include "shell/AppIcon.h"
#include "shell/DialogUnits.h"
#include "system/FontLookup.h"
#include "system/GCFileTypeAccess.h"
#include "system/PathUtils.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include <fstream>
#include <utility>

namespace taleno {

namespace {

using R = SettingsRecord;

QString Text(const std::string& bytes) { return QString::fromStdString(bytes); }

// A page: its icon and one-line description, then its rows.
// A text of the sheet in the user's language (as written without a translation).
QString Translated(std::string_view text) {
    return QCoreApplication::translate("taleno::CPreferencesSheet", std::string(text).c_str());
}

QWidget* NewPage(QStyle::StandardPixmap icon, const char* description, QVBoxLayout*& layout) {
    auto* page = new QWidget;
    layout = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    auto* picture = new QLabel;
    // Every page's icon at one size, whatever sizes the style has, so the
    // description line does not move from page to page.
    picture->setPixmap(QApplication::style()->standardIcon(icon).pixmap(32, 32));
    picture->setFixedSize(32, 32);
    picture->setScaledContents(true);
    auto* heading = new QLabel(QCoreApplication::translate("taleno::CPreferencesSheet", description));
    heading->setWordWrap(true);
    top->addWidget(picture);
    top->addWidget(heading, 1);
    layout->addLayout(top);
    return page;
}

QComboBox* List(std::initializer_list<std::string_view> items) {
    auto* combo = new QComboBox;
    for (std::string_view item : items) combo->addItem(Translated(item));
    return combo;
}

template <std::size_t N>
QComboBox* List(const std::array<std::string_view, N>& items) {
    auto* combo = new QComboBox;
    for (std::string_view item : items) combo->addItem(Translated(item));
    return combo;
}

// A label that names `control` to a screen reader.
QLabel* LabelFor(const QString& text, QWidget* control) {
    auto* label = new QLabel(text);
    label->setBuddy(control);
    return label;
}

// A path box with its "..." browse button beside it.
QHBoxLayout* PathRow(QLineEdit*& path, QPushButton*& browse) {
    path = new QLineEdit;
    browse = new QPushButton(QStringLiteral("..."));
    auto* row = new QHBoxLayout;
    row->addWidget(path);
    row->addWidget(browse);
    return row;
}

constexpr int kPlayerPage = 3;

}  // namespace

CPreferencesSheet::CPreferencesSheet(std::string folder, QWidget* parent)
    : QDialog(parent), moduleFolder(std::move(folder)) {
    setWindowTitle(tr("Preferences"));
    setFont(DialogFont());
    messageBox = [](QWidget* owner, QMessageBox::Icon icon, const QString& text) {
        QMessageBox(icon, QStringLiteral("Taleno"), text, QMessageBox::Ok, owner).exec();
    };
    chooseEngine = [](QWidget* owner) {
        return QFileDialog::getOpenFileName(owner, QString(), QString(), tr("all files (*)"));
    };
    chooseFont = [](QWidget* owner) -> std::optional<QFont> {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, QFont(), owner, QString(), QFontDialog::ScalableFonts);
        return ok ? std::optional(font) : std::nullopt;
    };
    chooseExtensionList = [](QWidget* owner) {
        return QFileDialog::getOpenFileName(owner, QString(), QString(), tr("text files (*.txt)"));
    };
    tabs = new QTabWidget(this);
    tabs->addTab(EnginePage(), tr("Engine"));
    tabs->addTab(OutputPage(), tr("Output"));
    tabs->addTab(VideoPage(), tr("Video"));
    tabs->addTab(PlayerPage(), tr("Player"));
    tabs->addTab(SubtitlesPage(), tr("Subtitles"));
    tabs->addTab(AssociationPage(), tr("Association"));
    tabs->addTab(CommandsPage(), tr("Commands"));
    tabs->addTab(AdvancedPage(), tr("Advanced"));
    tabs->setUsesScrollButtons(false);  // every tab in sight
    // Leaving the Player page checks its preset zoom, as OK does; the check
    // brings the page back when it fails.
    connect(tabs, &QTabWidget::currentChanged, this, [this](int page) {
        const int left = std::exchange(shownPage, page);
        if (left == kPlayerPage && page != kPlayerPage) CheckPresetZoom();
    });
    tabs->setMinimumSize(DialogUnitsToPixels(QSize(270, 230), font()));
    // OK and Cancel; no Apply: nothing takes effect inside the sheet.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPreferencesSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
}

void CPreferencesSheet::Bind(const SettingRow& setting, QWidget* control) { bindings.push_back({&setting, control}); }

// --- pages --------------------------------------------------------------------

QWidget* CPreferencesSheet::EnginePage() {
    QVBoxLayout* layout;
    QWidget* page = NewPage(QStyle::SP_ComputerIcon, QT_TR_NOOP("Select MPlayer Engine to be used"), layout);
    auto* group = new QGroupBox(tr("MPlayer Binary (Engine)"));
    auto* box = new QVBoxLayout(group);
    auto* useDefault = new QRadioButton(tr("Use default settings (%Taleno%/mplayer/mplayer)"));
    auto* useGiven = new QRadioButton(tr("Use specified Engine below:"));
    auto* choice = new QButtonGroup(page);
    choice->addButton(useDefault, 0);
    choice->addButton(useGiven, 1);
    QLineEdit* path = nullptr;
    QPushButton* browse = nullptr;
    box->addWidget(useDefault);
    box->addWidget(useGiven);
    box->addLayout(PathRow(path, browse));
    layout->addWidget(group);
    layout->addStretch();
    Bind(&R::bMPlayerPathName, useGiven);
    Bind(&R::strMPlayerPathName, path);
    engineDefault = useDefault;
    // A program inside the player's folder or below it is kept relative to
    // it; the radio buttons stay as they are.
    connect(browse, &QPushButton::clicked, this, [this, path] {
        const std::string chosen = chooseEngine(this).trimmed().toStdString();
        if (!chosen.empty()) path->setText(Text(PathMakeRelative(chosen, moduleFolder + "/")));
    });
    return page;
}

QWidget* CPreferencesSheet::OutputPage() {
    QVBoxLayout* layout;
    QWidget* page = NewPage(QStyle::SP_MediaVolume, QT_TR_NOOP("Choose MPlayer output drivers"), layout);
    auto* form = new QFormLayout;
    QComboBox* audio = List(kAudioDriverNames);
    QComboBox* video = List(kVideoDriverNames);
    form->addRow(tr("Audio Output Driver"), audio);
    form->addRow(QString(), new QLabel(tr("(default: pulse)")));
    form->addRow(tr("Video Output Driver"), video);
    form->addRow(QString(), new QLabel(tr("(default: xv)")));
    layout->addLayout(form);
    layout->addStretch();
    Bind(&R::nAudioOutputDriver, audio);
    Bind(&R::nVideoOutputDriver, video);
    return page;
}

QWidget* CPreferencesSheet::VideoPage() {
    QVBoxLayout* layout;
    QWidget* page = NewPage(QStyle::SP_DesktopIcon, QT_TR_NOOP("Configure Video Settings here"), layout);
    layout->addWidget(new QLabel(tr("Video Settings")));
    auto* doubleBuffering = new QCheckBox(tr("Double buffering"));
    layout->addWidget(doubleBuffering);
    Bind(&R::bDoubleBuffering, doubleBuffering);
    auto* form = new QFormLayout;
    std::vector<QSlider*> sliders;
    for (const auto& [label, field] : {std::pair{QT_TR_NOOP("Brightness"), &R::nVideoBrightness},
                                       {QT_TR_NOOP("Contrast"), &R::nVideoContrast},
                                       {QT_TR_NOOP("Hue"), &R::nVideoHue},
                                       {QT_TR_NOOP("Saturation"), &R::nVideoSaturation}}) {
        auto* slider = new QSlider(Qt::Horizontal);
        slider->setRange(-100, 100);
        slider->setSingleStep(1);
        slider->setPageStep(10);
        auto* shown = new QLineEdit(QStringLiteral("0"));
        shown->setReadOnly(true);
        shown->setAlignment(Qt::AlignCenter);
        shown->setMaximumWidth(DialogUnitsToPixels(QSize(30, 14), font()).width());
        connect(slider, &QSlider::valueChanged, shown, [shown](int value) { shown->setText(QString::number(value)); });
        auto* row = new QHBoxLayout;
        row->addWidget(shown);
        row->addWidget(slider);
        // The row's label names the slider and the number beside it.
        auto* name = new QLabel(tr(label));
        name->setBuddy(slider);
        shown->setAccessibleName(name->text());
        form->addRow(name, row);
        Bind(field, slider);
        sliders.push_back(slider);
    }
    layout->addLayout(form);
    auto* reset = new QPushButton(tr("Reset"));
    connect(reset, &QPushButton::clicked, this, [sliders] {
        for (QSlider* slider : sliders) slider->setValue(0);  // double buffering stays
    });
    layout->addWidget(reset, 0, Qt::AlignRight);
    layout->addWidget(new QLabel(tr("Any changes will take effect only after restart of MPlayer")));
    layout->addStretch();
    return page;
}

QWidget* CPreferencesSheet::PlayerPage() {
    QVBoxLayout* layout;
    QWidget* page = NewPage(QStyle::SP_MediaPlay, QT_TR_NOOP("Configure Taleno"), layout);
    const auto check = [&](QVBoxLayout* to, const char* text, bool R::*field) {
        auto* box = new QCheckBox(tr(text));
        to->addWidget(box);
        Bind(field, box);
    };
    auto* gui = new QGroupBox(tr("Show these parts of the GUI on startup"));
    auto* guiRows = new QVBoxLayout(gui);
    check(guiRows, QT_TR_NOOP("Toolbar"), &R::bShowToolbar);
    check(guiRows, QT_TR_NOOP("Status Bar"), &R::bShowStatusBar);
    check(guiRows, QT_TR_NOOP("Progress Bar"), &R::bShowProgressBar);
    check(guiRows, QT_TR_NOOP("Playlist"), &R::bShowPlaylist);
    layout->addWidget(gui);
    auto* saver = new QGroupBox(tr("Screen Saver (and Power Saving) Settings"));
    auto* saverRows = new QVBoxLayout(saver);
    QComboBox* mode = List({QT_TR_NOOP("Don't disable"), QT_TR_NOOP("Disable when playing"),
                            QT_TR_NOOP("Disable if media clip contains video stream")});
    saverRows->addWidget(mode);
    Bind(&R::nSSDisableMode, mode);
    layout->addWidget(saver);
    auto* zoom = new QGroupBox(tr("Preset size (zoom factor)"));
    auto* zoomRow = new QHBoxLayout(zoom);
    auto* percent = new QLineEdit;
    zoomRow->addWidget(percent);
    zoomRow->addWidget(new QLabel(tr("% of the original video size")));
    Bind(&R::nPresetZoom, percent);
    presetZoom = percent;
    layout->addWidget(zoom);
    auto* other = new QGroupBox(tr("Other options"));
    auto* otherRows = new QVBoxLayout(other);
    check(otherRows, QT_TR_NOOP("Allow Multiple Instances"), &R::bAllowMultipleInstances);
    check(otherRows, QT_TR_NOOP("Auto Shuffle Playlist"), &R::bAutoShuffle);
    check(otherRows, QT_TR_NOOP("Enable 'Always on Top' on startup"), &R::bStartupAlwaysOnTop);
    check(otherRows, QT_TR_NOOP("Launch files in fullscreen"), &R::bLaunchInFullscreen);
    check(otherRows, QT_TR_NOOP("Remember last playback position"), &R::bRememberLastPlaybackPosition);
    layout->addWidget(other);
    return page;
}

QWidget* CPreferencesSheet::SubtitlesPage() {
    QVBoxLayout* layout;
    QWidget* page = NewPage(QStyle::SP_FileDialogDetailedView, QT_TR_NOOP("Set Subtitle related options here"), layout);
    auto* autoload = new QCheckBox(tr("Auto-load subtitles"));
    layout->addWidget(autoload);
    Bind(&R::bAutoloadSubtitles, autoload);
    auto* font = new QGroupBox(tr("Font"));
    auto* fontRows = new QVBoxLayout(font);
    QLineEdit* path = nullptr;
    QPushButton* browse = nullptr;
    fontRows->addLayout(PathRow(path, browse));
    fontRows->addWidget(new QLabel(tr("For example: /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf")));
    layout->addWidget(font);
    Bind(&R::strSubtitleFont, path);
    auto* encoding = new QGroupBox(tr("Encoding"));
    auto* encodingRows = new QVBoxLayout(encoding);
    auto* codePages = new QComboBox;
    for (const SubtitleCodePage& page : kSubtitleCodePages) {
        codePages->addItem(QString::fromUtf8(page.listText.data(), qsizetype(page.listText.size())));
    }
    encodingRows->addWidget(codePages);
    layout->addWidget(encoding);
    layout->addStretch();
    Bind(&R::nSubtitleCodePage, codePages);
    // The chosen face's file, family and style, as fontconfig matches them;
    // the other controls keep their state.
    connect(browse, &QPushButton::clicked, this, [this, path] {
        const std::optional<QFont> chosen = chooseFont(this);
        if (!chosen || chosen->family().isEmpty()) return;
        const FontRequest request{chosen->family().toStdString(), chosen->styleName().toStdString(), chosen->weight(),
                                  chosen->italic()};
        if (const std::optional<FontFile> file = FindFontFile(request)) {
            path->setText(Text(file->path));
        } else {
            messageBox(this, QMessageBox::Warning, tr("Sorry, Font File Not Found!"));
        }
    });
    return page;
}

QWidget* CPreferencesSheet::AssociationPage() {
    QVBoxLayout* layout;
    QWidget* page = NewPage(QStyle::SP_FileLinkIcon, QT_TR_NOOP("Add media file extensions Taleno to handle"), layout);
    auto* row = new QHBoxLayout;
    auto* list = new QPlainTextEdit;
    layout->addWidget(LabelFor(tr("Extensions"), list));
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    list->setTabChangesFocus(true);
    row->addWidget(list);
    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel(tr("for example:\n\nwav\nmpeg\nmp4\n3gp\nogg\nmov")));
    side->addStretch();
    auto* load = new QPushButton(tr("Load..."));
    auto* associate = new QPushButton(tr("Associate!"));
    side->addWidget(load);
    side->addWidget(associate);
    row->addLayout(side);
    layout->addLayout(row);
    layout->addWidget(new QLabel(tr("one extension pre-line, without the preceding period (dot)")));
    extensions = list;
    connect(load, &QPushButton::clicked, this, [this, list] {
        const QString chosen = chooseExtensionList(this).trimmed();
        if (chosen.isEmpty()) return;
        std::ifstream in(chosen.toStdString());
        if (!in) {
            messageBox(this, QMessageBox::Warning, tr("unable to open file"));
            return;
        }
        QStringList lines;
        for (std::string line; std::getline(in, line);) {
            const QString trimmed = QString::fromStdString(line).trimmed();
            if (!trimmed.isEmpty()) lines << trimmed;
        }
        list->setPlainText(lines.join('\n'));
    });
    connect(associate, &QPushButton::clicked, this, &CPreferencesSheet::Associate);
    return page;
}

void CPreferencesSheet::Associate() {
    const QStringList lines = extensions->toPlainText().split('\n');
    QStringList failed;
    bool any = false;
    for (const QString& line : lines) {
        const std::string extension = line.trimmed().toStdString();
        if (extension.empty()) continue;
        any = true;
        CGCFileTypeAccess access;
        access.extension = extension;
        access.openCommand = QCoreApplication::applicationFilePath().toStdString();
        access.documentClassName = "TALENO.Document";
        access.defaultIcon = "taleno";
        access.iconImage = AppIconPng();
        if (!access.RegisterAll()) failed << line.trimmed();
    }
    if (!failed.isEmpty()) {
        messageBox(this, QMessageBox::Warning, tr("Failed to Associate:\n\n") + failed.join('\n'));
    } else {
        messageBox(this, QMessageBox::Information, any ? tr("Succeed!") : tr("No action."));
    }
}

QWidget* CPreferencesSheet::CommandsPage() {
    QVBoxLayout* layout;
    QWidget* page = NewPage(QStyle::SP_CommandLink, QT_TR_NOOP("Set special commands here"), layout);
    auto* group = new QGroupBox(tr("Keys and Commands"));
    auto* form = new QFormLayout(group);
    const std::array keys{&R::strF1CMD, &R::strF2CMD, &R::strF3CMD, &R::strF4CMD,
                          &R::strF5CMD, &R::strF6CMD, &R::strF7CMD, &R::strF8CMD};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        auto* edit = new QLineEdit;
        form->addRow(QStringLiteral("F%1").arg(i + 1), edit);
        Bind(keys[i], edit);
    }
    layout->addWidget(group);
    layout->addStretch();
    return page;
}

QWidget* CPreferencesSheet::AdvancedPage() {
    QVBoxLayout* layout;
    QWidget* page = NewPage(QStyle::SP_MessageBoxWarning,
                            QT_TR_NOOP("Set Advanced settings here (for experienced users only)"), layout);
    auto* options = new QPlainTextEdit;
    layout->addWidget(LabelFor(tr("Additional MPlayer parameters"), options));
    options->setTabChangesFocus(true);
    layout->addWidget(options);
    layout->addWidget(new QLabel(tr("For example: -af resample=8000:1:0")));
    Bind(&R::strMPlayerUserConfig, options);
    QComboBox* priority = List({QT_TR_NOOP("Idle"), QT_TR_NOOP("Below Normal"), QT_TR_NOOP("Normal"),
                                QT_TR_NOOP("Above Normal"), QT_TR_NOOP("High"), QT_TR_NOOP("Real Time")});
    layout->addWidget(LabelFor(tr("MPlayer process priority"), priority));
    layout->addWidget(priority);
    Bind(&R::nMPlayerPriority, priority);
    layout->addWidget(new QLabel(tr("(default: Normal)")));
    layout->addWidget(new QLabel(tr("Caution: Use 'Real Time' priority may cause system lock-up")));
    auto* monitor = new QCheckBox(tr("Disable MPlayerMonitor Thread"));
    auto* logging = new QCheckBox(tr("Enable Logging"));
    layout->addWidget(monitor);
    layout->addWidget(logging);
    Bind(&R::bDisableMPlayerMonitor, monitor);
    Bind(&R::bEnableLogging, logging);
    return page;
}

// --- exchange -------------------------------------------------------------------

void CPreferencesSheet::Load(const SettingsRecord& record) {
    for (const auto& [row, control] : bindings) {
        if (auto* box = qobject_cast<QAbstractButton*>(control)) {
            box->setChecked(record.*row->flag);
        } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
            combo->setCurrentIndex(record.*row->number);  // outside the list: nothing chosen
        } else if (auto* slider = qobject_cast<QSlider*>(control)) {
            slider->setValue(record.*row->number);
        } else if (auto* line = qobject_cast<QLineEdit*>(control)) {
            line->setText(row->type == SettingType::Number ? QString::number(record.*row->number)
                                                           : Text(record.*row->text));
        } else if (auto* text = qobject_cast<QPlainTextEdit*>(control)) {
            text->setPlainText(Text(record.*row->text));
        }
    }
    // The engine choice: false checks the default, true the given engine.
    engineDefault->setChecked(!record.bMPlayerPathName);
}

void CPreferencesSheet::Store(SettingsRecord& record) const {
    for (const auto& [row, control] : bindings) {
        if (auto* box = qobject_cast<QAbstractButton*>(control)) {
            record.*row->flag = box->isChecked();
        } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
            record.*row->number = combo->currentIndex();
        } else if (auto* slider = qobject_cast<QSlider*>(control)) {
            record.*row->number = slider->value();
        } else if (auto* line = qobject_cast<QLineEdit*>(control)) {
            if (row->type == SettingType::Number) {
                record.*row->number = line->text().trimmed().toInt();
            } else {
                record.*row->text = line->text().toStdString();
            }
        } else if (auto* text = qobject_cast<QPlainTextEdit*>(control)) {
            // The settings file holds one line a value, and the engine splits
            // its options at blanks anyway: line breaks are stored as blanks.
            QString value = text->toPlainText();
            value.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
            record.*row->text = value.toStdString();
        }
    }
    // Neither engine button checked counts as the given engine.
    record.bMPlayerPathName = !engineDefault->isChecked();
    CheckRanges(record);
}

bool CPreferencesSheet::CheckPresetZoom() {
    bool isInteger = false;
    const int percent = presetZoom->text().trimmed().toInt(&isInteger);
    const SettingRange& range = SettingOf(&R::nPresetZoom).range;
    if (isInteger && percent >= range.min && percent <= range.max) {
        return true;
    }
    messageBox(this, QMessageBox::Warning,
               !isInteger ? tr("Please enter an integer.")
                          : tr("Please enter an integer between %1 and %2.").arg(range.min).arg(range.max));
    tabs->setCurrentIndex(kPlayerPage);
    presetZoom->setFocus();
    presetZoom->selectAll();
    return false;
}

void CPreferencesSheet::accept() {
    if (CheckPresetZoom()) {
        QDialog::accept();
    }
}

}  // namespace taleno
