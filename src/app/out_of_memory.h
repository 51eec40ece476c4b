#pragma once
// When memory runs out the program tells the user and ends, rather than go on with an object it could
// not make.

void InstallOutOfMemoryHandler();
