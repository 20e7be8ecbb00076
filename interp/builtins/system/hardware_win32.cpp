// Processor and network-adapter identification.
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

#include <vector>

#include "builtins/system/system_builtins.h"
#include "support/format.h"

namespace quorin::sys {

Str hardware_get_cpu(Runtime&) {
  SYSTEM_INFO si{};
  GetNativeSystemInfo(&si);
  return Str(format16(u"%u-%u-%u-%lu", static_cast<unsigned>(si.wProcessorArchitecture),
                      static_cast<unsigned>(si.wProcessorRevision), static_cast<unsigned>(si.wProcessorLevel),
                      static_cast<unsigned long>(si.dwNumberOfProcessors)));
}

int32_t hardware_get_cpu_logical_number(Runtime&) {
  SYSTEM_INFO si{};
  GetNativeSystemInfo(&si);
  return static_cast<int32_t>(si.dwNumberOfProcessors);
}

Str hardware_get_mac(Runtime&) {
  const ULONG flags = GAA_FLAG_SKIP_UNICAST | GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST |
                      GAA_FLAG_SKIP_DNS_SERVER | GAA_FLAG_SKIP_FRIENDLY_NAME;
  ULONG size = 15360;
  std::vector<uint8_t> buffer(size);
  auto query = [&] {
    return GetAdaptersAddresses(AF_UNSPEC, flags, nullptr, reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()),
                                &size);
  };
  ULONG r = query();
  if (r == ERROR_BUFFER_OVERFLOW) {
    buffer.assign(size, 0);
    r = query();
  }
  if (r != NO_ERROR) return Str();
  for (auto* a = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()); a; a = a->Next) {
    if (a->PhysicalAddressLength != 6) continue;
    const BYTE* m = a->PhysicalAddress;
    return Str(format16(u"%02X-%02X-%02X-%02X-%02X-%02X", m[0], m[1], m[2], m[3], m[4], m[5]));
  }
  return Str();
}

}  // namespace quorin::sys
