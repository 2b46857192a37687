#!/usr/bin/env python3
"""Writes SIZE bytes that run through every byte value to PATH.
usage: make_data.py SIZE PATH"""
import sys

size, path = int(sys.argv[1]), sys.argv[2]
with open(path, "wb") as f:
    f.write(bytes((i * 167 + 13 + i // 256) & 0xFF for i in range(size)))
