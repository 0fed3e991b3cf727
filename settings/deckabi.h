/* The two functions an external card deck exports.
 *
 * A deck is a shared library named "deckset<N>.so", N from 0 to 15, put in
 * the machine's data folder (~/.local/share/Ostrel/Talvern). The machine only
 * loads libraries that lie in that folder itself (no symbolic links, not
 * writable by other users) and looks up these two symbols with C linkage:
 *
 *   namecard     the deck's name as a zero-terminated UTF-8 string of at
 *                most 255 bytes. Characters 39 and 40 (counting from 1) are
 *                the deck's number N as two decimal digits ("05"), which is
 *                how the settings dialog finds the file again; a name that
 *                does not carry its own file's number there is not offered.
 *
 *   cardpicture  the picture of a card by its image name, as encoded PNG
 *                bytes, and its byte count through `size`; NULL for a name
 *                the deck does not draw. The names are "PP0" (the joker),
 *                "AH0" .. "KV0" (rank letter A 2..9 1(ten) J Q K, suit letter
 *                H hearts, B diamonds, K clubs, V spades, series digit 0) and
 *                the wild deuces of Deuces Wild "2H4", "2B4", "2K4", "2V4".
 *                A picture is drawn into a 117 x 157 card place; larger
 *                pictures of the same shape stay sharp on HiDPI screens. The
 *                bytes must stay valid while the library is loaded.
 *
 * Whatever a deck lacks, the machine shows its own picture instead.
 */
#ifndef TALVERN_DECKABI_H
#define TALVERN_DECKABI_H

#ifdef __cplusplus
extern "C" {
#endif

typedef const char* (*talvern_namecard_fn)(void);
typedef const unsigned char* (*talvern_cardpicture_fn)(const char* name, unsigned long* size);

#define TALVERN_DECK_NAME_SYMBOL "namecard"
#define TALVERN_DECK_PICTURE_SYMBOL "cardpicture"

#ifdef __cplusplus
}
#endif

#endif
