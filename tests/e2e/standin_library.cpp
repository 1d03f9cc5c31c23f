// Stand-in for the shared system libraries that the hub checks at start (the subclassing and timer
// libraries, the menu library and the data-format library). It lives only in demo and test
// installations. The hub has the libraries registered with "Regsvr32 /s", so the stand-in offers the
// two registration entry points and succeeds.
#include <windows.h>

extern "C" __declspec(dllexport) HRESULT __stdcall DllRegisterServer() { return S_OK; }
extern "C" __declspec(dllexport) HRESULT __stdcall DllUnregisterServer() { return S_OK; }
