/* Tarvex: lateral analysis of a single pile or drilled shaft by the p-y method.
 *
 * The host writes NAMES.DAT (paths of the input file, the output report, the
 * plot output file and the runtime message file, one per line) into the
 * current directory, then calls TGO with the interface version 6030.
 *
 * Return value: 99 for a wrong interface version; 0 for a normal end; a
 * negative warning number (or -300 for several distinct warnings) for a normal
 * end with warnings; otherwise 100 + n for input error n, 200 + n for runtime
 * error n, or 999 for the internal error of the strength lookup.
 *
 * Not reentrant: one call at a time per process. */
#ifndef TARVEX_TARVEX_H
#define TARVEX_TARVEX_H

#include <stdint.h>

#if defined(_WIN32)
#define TARVEX_API __declspec(dllexport)
#else
#define TARVEX_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

TARVEX_API int32_t TGO(int32_t i_InterfaceVersion);

#ifdef __cplusplus
}
#endif

#endif
