#include "player/EngineSettings.h"

#include <type_traits>

namespace taleno {

namespace {

using R = SettingsRecord;
using L = CEngineCommandLine;
using E = CEngineController;

// The class a member function belongs to.
template <class F>
struct OwnerOf;
template <class C, class Result, class... Args>
struct OwnerOf<Result (C::*)(Args...)> {
    using type = C;
};
template <class C, class Result, class... Args>
struct OwnerOf<Result (C::*)(Args...) const> {
    using type = C;
};

// The object that holds a value: the command line or the controller itself.
template <class Owner, class Engine>
auto& Holder(Engine& engine) {
    if constexpr (std::is_same_v<Owner, L>) {
        return engine.CommandLine();
    } else {
        return engine;
    }
}

// One engine-held key: how its record field reaches the controller's setter
// and comes back from its getter.
struct EngineBinding {
    void (*apply)(E& engine, const R& record);
    void (*fetch)(const E& engine, R& record);
};

template <auto field, auto set, auto get>
constexpr EngineBinding Bind() {
    using SetOwner = typename OwnerOf<decltype(set)>::type;
    using GetOwner = typename OwnerOf<decltype(get)>::type;
    return {
        [](E& engine, const R& record) { (Holder<SetOwner>(engine).*set)(record.*field); },
        [](const E& engine, R& record) { record.*field = (Holder<GetOwner>(engine).*get)(); },
    };
}

constexpr EngineBinding kBindings[] = {
    Bind<&R::nVideoOutputDriver, &L::SetVideoDriver, &L::GetVideoDriver>(),
    Bind<&R::nAudioOutputDriver, &L::SetAudioDriver, &L::GetAudioDriver>(),
    Bind<&R::bAutoloadSubtitles, &L::SetAutoloadSubtitles, &L::GetAutoloadSubtitles>(),
    Bind<&R::nSubtitleCodePage, &L::SetSubtitleCodePage, &L::GetSubtitleCodePage>(),
    Bind<&R::strSubtitleFont, &L::SetSubtitleFont, &L::GetSubtitleFont>(),
    Bind<&R::strMPlayerUserConfig, &L::SetUserOptions, &L::GetUserOptions>(),
    Bind<&R::nMPlayerPriority, &L::SetPriority, &L::GetPriority>(),
    Bind<&R::bDisableMPlayerMonitor, &E::SetMonitorDisabled, &E::GetMonitorDisabled>(),
    Bind<&R::bEnableLogging, &E::SetLogging, &E::GetLogging>(),
    Bind<&R::nVideoBrightness, &L::SetBrightness, &L::GetBrightness>(),
    Bind<&R::nVideoContrast, &L::SetContrast, &L::GetContrast>(),
    Bind<&R::nVideoHue, &L::SetHue, &L::GetHue>(),
    Bind<&R::nVideoSaturation, &L::SetSaturation, &L::GetSaturation>(),
    Bind<&R::bDoubleBuffering, &L::SetDoubleBuffering, &L::GetDoubleBuffering>(),
};

}  // namespace

void ApplyEngineSettings(CEngineController& engine, const SettingsRecord& record) {
    for (const EngineBinding& binding : kBindings) binding.apply(engine, record);
}

void FetchEngineSettings(const CEngineController& engine, SettingsRecord& record) {
    for (const EngineBinding& binding : kBindings) binding.fetch(engine, record);
}

}  // namespace taleno
