/* An Xorg module for the tests' private X server: it gives the screens of the
 * dummy video driver a DPMS hook. The server offers the DPMS extension only
 * when a screen has one, and the dummy driver has none, so without this module
 * a server without a monitor has no DPMS at all. Power levels change nothing.
 *
 * Listed in the server configuration's Module section, it loads the dummy
 * driver itself and wraps the driver's probe, which in turn wraps each dummy
 * screen's initialisation. */
#include <xorg-server.h>

#include <string.h>

#include <xf86.h>
#include <xf86Module.h>
#include <xf86Priv.h>

static DriverPtr dummyDriver;
static Bool (*dummyProbe)(DriverPtr, int);
static xf86ScreenInitProc* dummyScreenInit;

static void SetPowerLevel(ScrnInfoPtr screen, int level, int flags) {
    (void)screen;
    (void)level;
    (void)flags;
}

static Bool ScreenInitWithDpms(ScreenPtr screen, int argc, char** argv) {
    return dummyScreenInit(screen, argc, argv) && xf86DPMSInit(screen, SetPowerLevel, 0);
}

static Bool ProbeWithDpms(DriverPtr driver, int flags) {
    if (!dummyProbe(driver, flags)) {
        return FALSE;
    }
    for (int i = 0; i < xf86NumScreens; i++) {
        ScrnInfoPtr screen = xf86Screens[i];
        if (screen->drv == dummyDriver && screen->ScreenInit != ScreenInitWithDpms) {
            dummyScreenInit = screen->ScreenInit;
            screen->ScreenInit = ScreenInitWithDpms;
        }
    }
    return TRUE;
}

static void* Setup(void* module, void* options, int* errmaj, int* errmin) {
    (void)options;
    if (dummyDriver != NULL) {
        if (errmaj != NULL) {
            *errmaj = LDR_ONCEONLY;
        }
        return NULL;
    }
    if (LoadSubModule(module, "dummy", NULL, NULL, NULL, NULL, errmaj, errmin) == NULL) {
        return NULL;
    }
    for (int i = 0; i < xf86NumDrivers; i++) {
        if (xf86DriverList[i] != NULL && xf86DriverList[i]->driverName != NULL &&
            strcmp(xf86DriverList[i]->driverName, "dummy") == 0 && xf86DriverList[i]->Probe != NULL) {
            dummyDriver = xf86DriverList[i];
        }
    }
    if (dummyDriver == NULL) {
        if (errmaj != NULL) {
            *errmaj = LDR_NOENT;
        }
        return NULL;
    }
    dummyProbe = dummyDriver->Probe;
    dummyDriver->Probe = ProbeWithDpms;
    return module;
}

static XF86ModuleVersionInfo version = {
    "talenodpms",       MODULEVENDORSTRING,   MODINFOSTRING1, MODINFOSTRING2, XORG_VERSION_CURRENT, 1, 0, 0,
    ABI_CLASS_VIDEODRV, ABI_VIDEODRV_VERSION, MOD_CLASS_NONE, {0, 0, 0, 0}};

_X_EXPORT XF86ModuleData talenodpmsModuleData = {&version, Setup, NULL};
