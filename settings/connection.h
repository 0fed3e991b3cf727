#pragma once
// Whether the machine has a way to the Internet (by modem, network or proxy).
// The desktop's network service answers where one of Qt's backends can ask
// it; elsewhere a default route, or failing that an interface that is up and
// not the loopback, counts as connected.
namespace talvern::settings {

bool systemIsOnline();

// The fallback alone, from the kernel's routing tables and the interfaces.
bool hasDefaultRoute();
bool hasUpInterface();

} // namespace talvern::settings
