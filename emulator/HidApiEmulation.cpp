// The hidapi C functions the device link uses, answered by the emulated keyboard.
#include "K3Emulator.h"

#include <hidapi/hidapi.h>

int hid_init(void)
{
    return 0;
}

int hid_exit(void)
{
    return 0;
}

hid_device_info *hid_enumerate(unsigned short vendor_id, unsigned short product_id)
{
    return K3Emulator::instance().enumerate(vendor_id, product_id);
}

void hid_free_enumeration(hid_device_info *devs)
{
    K3Emulator::freeEnumeration(devs);
}

hid_device *hid_open_path(const char *path)
{
    return K3Emulator::instance().open(path);
}

void hid_close(hid_device *dev)
{
    K3Emulator::instance().close(dev);
}

int hid_set_nonblocking(hid_device *dev, int nonblock)
{
    return K3Emulator::instance().setNonblocking(dev, nonblock != 0);
}

int hid_send_feature_report(hid_device *dev, const unsigned char *data, size_t length)
{
    return K3Emulator::instance().sendFeature(dev, data, length);
}

int hid_get_feature_report(hid_device *dev, unsigned char *data, size_t length)
{
    return K3Emulator::instance().getFeature(dev, data, length);
}

int hid_write(hid_device *dev, const unsigned char *data, size_t length)
{
    return K3Emulator::instance().write(dev, data, length);
}

int hid_read_timeout(hid_device *dev, unsigned char *data, size_t length, int milliseconds)
{
    return K3Emulator::instance().read(dev, data, length, milliseconds);
}

int hid_read(hid_device *dev, unsigned char *data, size_t length)
{
    return K3Emulator::instance().read(dev, data, length, -1);
}
