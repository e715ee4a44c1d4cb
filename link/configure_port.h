#pragma once

// Puts the open port into the module's line settings and gives it the timeouts every read of
// the link relies on. A refused setting is reported to the user and the port stays usable as it
// is. Always returns 1.
int ConfigurePort(unsigned baudRate);
