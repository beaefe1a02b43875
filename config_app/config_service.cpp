#include "config_service.h"

#include "config_adaptor.h"
#include "notices.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

ConfigService::ConfigService(QObject* parent) : QObject(parent)
{
    new ConfigAdaptor(this); // owned by this object
}

bool ConfigService::publish()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.registerObject(Bus::kConfigPath, this))
        return false;
    const auto reply = bus.interface()->registerService(Bus::kConfigService, QDBusConnectionInterface::QueueService,
                                                        QDBusConnectionInterface::DontAllowReplacement);
    return reply.isValid();
}

void ConfigService::Close()
{
    emit closeRequested();
}
