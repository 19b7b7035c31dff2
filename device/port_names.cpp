#include "device/port_names.h"

#include <QSettings>

#include "platform/user_settings.h"

namespace {

QString Key(int portNumber) {
    return QStringLiteral("ports/com%1").arg(portNumber);
}

}  // namespace

PortAssignments::PortAssignments()
    : settings_(std::make_unique<QSettings>(QSettings::UserScope, kSettingsOrganization,
                                            kSettingsApplication)) {}

PortAssignments::PortAssignments(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

PortAssignments::~PortAssignments() = default;

QString PortAssignments::Assigned(int portNumber) const {
    return settings_->value(Key(portNumber)).toString();
}

void PortAssignments::Assign(int portNumber, const QString& device) {
    if (device.isEmpty()) {
        settings_->remove(Key(portNumber));
    } else {
        settings_->setValue(Key(portNumber), device);
    }
    settings_->sync();
}

QString PortVariableName(int portNumber) {
    return QStringLiteral("SOLVA_TX_COM%1").arg(portNumber);
}

QString StandardPortDevice(int portNumber) {
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(portNumber);
#else
    return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
#endif
}

PortDevice ResolvePort(int portNumber, const PortAssignments& assignments) {
    const QString variable = qEnvironmentVariable(qPrintable(PortVariableName(portNumber)));
    if (!variable.isEmpty()) {
        return {variable, PortSource::Environment};
    }
    const QString assigned = assignments.Assigned(portNumber);
    if (!assigned.isEmpty()) {
        return {assigned, PortSource::Assigned};
    }
    return {StandardPortDevice(portNumber), PortSource::Standard};
}

QString PortDeviceName(int portNumber) {
    return ResolvePort(portNumber, PortAssignments()).name;
}
