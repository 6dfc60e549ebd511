#pragma once

namespace tarvis {

// The panel types (ZentralenTyp): 0 none, 1 KVT 1000 N KBN, 2 KVT 2000/1
// fire D, 3 KVT 2000 N, 4 KVT 2000 B (KVT 2000/6 fire D once linked),
// 5 RW 500, 6 TL 300, 7 the standalone DXA 1000, 8 the standalone peripheral
// current calculation.
constexpr bool istKVT1000(int typ) { return typ == 1; }
constexpr bool istKVT2000_1(int typ) { return typ == 2; }
constexpr bool istKVT2000N(int typ) { return typ == 3; }
constexpr bool istKVT2000B(int typ) { return typ == 4; }
constexpr bool istRW500(int typ) { return typ == 5; }
constexpr bool istTL300(int typ) { return typ == 6; }
constexpr bool istDXA1000(int typ) { return typ == 7; }
constexpr bool istPeriStrom(int typ) { return typ == 8; }

// The KVT 2000 family.
constexpr bool istKVT2000(int typ) { return typ >= 2 && typ <= 4; }
// Fire panels and intrusion panels.
constexpr bool istBrandzentrale(int typ) { return typ == 2 || typ == 4 || typ == 5; }
constexpr bool istEinbruchzentrale(int typ) { return typ == 1 || typ == 3 || typ == 6; }
// A control panel, as opposed to the two standalone parts.
constexpr bool istZentrale(int typ) { return typ >= 1 && typ <= 6; }
constexpr bool istAutark(int typ) { return typ == 7 || typ == 8; }

}  // namespace tarvis
