#include "app/ColourSchemeSetting.h"

#include "core/ColourScheme.h"

#include <QSettings>

int StoredColourScheme() {
    const QString key = QSettings().value(kColourSchemeSettingKey).toString();
    const int scheme = ColourSchemeNamed(key.toStdString());
    return scheme < 0 ? COLOURS_PALETTE : scheme;
}

void StoreColourScheme(int scheme) {
    QSettings().setValue(kColourSchemeSettingKey, ColourSchemeKey(scheme));
}
