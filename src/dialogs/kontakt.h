#pragma once

// The publisher's and the maker's details. They are fictitious: the addresses lie under the
// reserved ".example" domain, so nothing the program opens reaches a real party.
namespace velmora::kontakt {

// Opened at every start.
inline constexpr char herausgeberWebseite[] = "https://www.velmora.example/";

inline constexpr char name[] = "Jan Uhl";
inline constexpr char strasse[] = "Musterweg 7";
inline constexpr char ort[] = "12345 Musterstadt";
inline constexpr char telefonFax[] = "Tel./Fax: 01234 567890";
inline constexpr char mail[] = "jan.uhl@velmora.example";
inline constexpr char webseite[] = "https://www.velmora.example/uhl/";

// The account for voluntary payments, as the support dialog shows it.
inline constexpr char kontoinhaber[] = "Jan Uhl";
inline constexpr char kontonummer[] = "0123456789";
inline constexpr char bankleitzahl[] = "999 000 00";
inline constexpr char bank[] = "Beispielbank eG";

} // namespace velmora::kontakt
