// The byte images of the records in a game file: little-endian, every field at a fixed offset,
// padding written as zero, whatever the layout of the structs in memory and the size of a pointer.
// A stored link (Shipowner.ships, Ship.next) says only whether a ship image follows.
#pragma once

#include <cstdint>

#include "world/records.h"

constexpr uint32_t SHIPOWNER_IMAGE_SIZE = 1124;
constexpr uint32_t SHIP_IMAGE_SIZE = 128;

// Little-endian access to a byte buffer.
void put_u8(uint8_t* at, uint8_t v);
void put_u16(uint8_t* at, uint16_t v);
void put_u32(uint8_t* at, uint32_t v);
uint8_t get_u8(const uint8_t* at);
uint16_t get_u16(const uint8_t* at);
uint32_t get_u32(const uint8_t* at);

void shipowner_to_image(const Shipowner* owner, uint8_t* image);
// Fills owner from the image with its ships link null; 1 when the image says ships follow.
int32_t shipowner_from_image(const uint8_t* image, Shipowner* owner);
void ship_to_image(const Ship* ship, uint8_t* image);
// Fills ship from the image with its next link null; 1 when the image says another ship follows.
int32_t ship_from_image(const uint8_t* image, Ship* ship);

// 1 when every table row the record refers to exists and its texts are terminated within their
// fields: a record that fails would send the game outside its tables.
int32_t shipowner_is_sound(const Shipowner* owner);
int32_t ship_is_sound(const Ship* ship);
