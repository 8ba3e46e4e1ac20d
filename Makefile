# Convenience entry points; the real build lives in CMake.
#
#   make        install deps and build
#   make run    install deps, build, play one deal
#   make test   install deps, build and test, then build and test again
#               under AddressSanitizer + UBSan (build-asan/)
#   make bench  install deps, build, run every benchmark in build/bench
#   make clean  remove the build trees
#
# Overridable: BUILD_TYPE, JOBS, BENCH_ARGS, CMAKE_ARGS.

SHELL := /bin/bash
.SHELLFLAGS := -euo pipefail -c
.DEFAULT_GOAL := all

BUILD_DIR  := build
ASAN_DIR   := build-asan
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_ARGS ?=
BENCH_ARGS ?=

CMAKE := cmake
CTEST := ctest
APP   := $(BUILD_DIR)/src/app/klondar

CONFIGURE = $(CMAKE) -S . -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS)
# Fails when a tree has no tests at all, so a broken test registration
# cannot pass as a green run.
RUN_CTEST = $(CTEST) --output-on-failure --no-tests=error --parallel $(JOBS) --test-dir

# Sanitizer reports abort (the build uses -fno-sanitize-recover=all); these
# add stack traces to UBSan reports and make ASan checks stricter.
SANITIZER_ENV = ASAN_OPTIONS=detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1:strict_init_order=1 \
                UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: all deps configure build run test test-asan bench clean

all: build

deps:
	scripts/install-deps.sh

define build_tree
	$(CONFIGURE) -B $(BUILD_DIR)
	$(CMAKE) --build $(BUILD_DIR) --parallel $(JOBS)
endef

define test_asan_tree
	$(CONFIGURE) -B $(ASAN_DIR) -DKLONDAR_SANITIZE=ON
	$(CMAKE) --build $(ASAN_DIR) --parallel $(JOBS)
	$(SANITIZER_ENV) $(RUN_CTEST) $(ASAN_DIR)
endef

configure: deps
	$(CONFIGURE) -B $(BUILD_DIR)

build: deps
	$(build_tree)

run: deps
	$(build_tree)
	$(APP)

test: deps
	$(build_tree)
	$(RUN_CTEST) $(BUILD_DIR)
	$(test_asan_tree)

# Only the sanitizer half of `make test`.
test-asan: deps
	$(test_asan_tree)

bench: deps
	$(build_tree)
	@benches=(); \
	if [[ -d $(BUILD_DIR)/bench ]]; then \
	  while IFS= read -r -d '' exe; do benches+=("$$exe"); done < <( \
	    find $(BUILD_DIR)/bench -path '*/CMakeFiles' -prune -o \
	         -type f -perm -u+x -print0 | sort -z); \
	fi; \
	if (( $${#benches[@]} == 0 )); then echo "no benchmarks yet"; exit 0; fi; \
	for exe in "$${benches[@]}"; do \
	  echo "== $$exe"; \
	  "$$exe" $(BENCH_ARGS); \
	done

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
