/* The calls of the data-server library as this program makes them: the
   subscription ("Signal") functions, with C linkage and C types only. The
   library is external (or the stand-in of tools/opc-sim); both sides include
   this header.

   A value crosses the boundary as a TdEDOValue: a type tag and one of an
   integer, a float, a boolean or a zero-terminated text, which the receiver
   copies before the call returns. Time stamps are local date-times as a day
   count with fraction (day 0 = 1899-12-30). A quality is the 16-bit OPC
   quality word: both bits of the mask 0xC0 set means good.

   The library may call the new-data callback on any thread; the program
   hands each call to its GUI thread. After SignalRemove returns, the library
   makes no further call for that handle. */
#ifndef DEDO_API_H
#define DEDO_API_H

#include <cstdint>

#ifdef __cplusplus
extern "C" {
#endif

enum TdEDOValueType { dvtEmpty = 0, dvtInteger = 1, dvtFloat = 2, dvtBoolean = 3, dvtText = 4 };

typedef struct TdEDOValue {
  int32_t Type;      /* a TdEDOValueType */
  int64_t Integer;   /* dvtInteger; dvtBoolean: 0 or 1 */
  double Float;      /* dvtFloat */
  const char* Text;  /* dvtText, zero-terminated UTF-8 */
} TdEDOValue;

typedef intptr_t TdEDOHandle; /* 0 = no subscription */

/* context: what the program passed to SignalAdd. */
typedef void (*TdEDONewData)(void* context, const TdEDOValue* value, uint16_t quality, double timeStamp);

typedef TdEDOHandle (*TdEDOSignalAdd)(const char* computerName, const char* serverName, const char* itemName,
                                      TdEDONewData callback, void* context, int32_t propertyExists,
                                      int32_t reserved, int32_t updateRateMs, const char* groupName);
typedef void (*TdEDOSignalRemove)(TdEDOHandle handle);
typedef int32_t (*TdEDOSignalGetActive)(TdEDOHandle handle);
typedef void (*TdEDOSignalSendData)(TdEDOHandle handle, const TdEDOValue* value);

#ifdef __cplusplus
}
#endif

#endif
