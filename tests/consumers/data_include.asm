; Assembles an include hexorin-cli made, and keeps its size constant.
global Data
global Data_End
global DataSizeConstant

section .data
%include "data.inc"

DataSizeConstant: dq Data_Size

%ifidn __OUTPUT_FORMAT__, elf64
section .note.GNU-stack noalloc noexec nowrite progbits
%endif
