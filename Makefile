# SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The two commands of the README. Both install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: setup configure build run test test-sanitize package contact-sheet clean fuzz

setup:
	./scripts/setup

configure: setup
	cmake -S . -B $(BUILD)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Only the game, its pictures and its sounds: no test or benchmark is built.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target mokopi mokopi_game_data
	$(BUILD)/app/mokopi

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer
# (leaks included), in its own folder. The build itself runs the sanitized
# picture tool and lists the tests, so it runs with the same options; the
# first report stops the program that made it and fails the step.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

test-sanitize: setup
	cmake -S . -B $(SANITIZE_BUILD) -DMOKOPI_SANITIZE=ON
	$(SANITIZE_ENV) cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	$(SANITIZE_ENV) ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j $(JOBS)

# The Debian packages, built by dpkg-buildpackage from a copy of the sources
# in $(PACKAGE_BUILD), where the .deb files and the .changes end up, and
# checked by lintian. Set DEB_BUILD_OPTIONS=nocheck to skip the tests.
PACKAGE_BUILD ?= $(BUILD)/package

package: setup
	./scripts/build-packages $(PACKAGE_BUILD)

# The fuzz targets under libFuzzer with ASan and UBSan (clang only; not part
# of `make test`): each runs FUZZ_SECONDS on inputs up to 64 KiB, the most a
# save file may have, from the first second on (-len_control=0: no slow
# growth of the length limit), from its seeds in fuzz/seeds and with its
# dictionary. FUZZ_SANITIZE=OFF builds them plain, many times faster, for
# volume (in build-fuzz-plain).
FUZZ_SANITIZE ?= ON
FUZZ_BUILD ?= $(if $(filter OFF,$(FUZZ_SANITIZE)),build-fuzz-plain,build-fuzz)
FUZZ_SECONDS ?= 180
FUZZ_TARGETS = save_decoder_fuzz play_loaded_fuzz wave_check_fuzz cache_entry_fuzz
FUZZ_INPUTS_save_decoder_fuzz = fuzz/seeds/save -dict=fuzz/save_record.dict
FUZZ_INPUTS_play_loaded_fuzz = fuzz/seeds/save -dict=fuzz/save_record.dict
FUZZ_INPUTS_wave_check_fuzz = fuzz/seeds/wave -dict=fuzz/wave.dict
FUZZ_INPUTS_cache_entry_fuzz = fuzz/seeds/cache_entry

fuzz:
	@command -v clang++ >/dev/null || { echo "make fuzz needs clang and libclang-rt-14-dev"; exit 1; }
	CC=clang CXX=clang++ cmake -S fuzz -B $(FUZZ_BUILD) -DMOKOPI_FUZZ_SANITIZE=$(FUZZ_SANITIZE)
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	$(foreach target,$(FUZZ_TARGETS),\
		mkdir -p $(FUZZ_BUILD)/corpus/$(target) && \
		$(FUZZ_BUILD)/$(target) -max_len=65536 -len_control=0 -max_total_time=$(FUZZ_SECONDS) \
			$(FUZZ_BUILD)/corpus/$(target) $(FUZZ_INPUTS_$(target)) &&) true

# Every picture on one page for review: $(BUILD)/contact_sheet.png
contact-sheet: configure
	cmake --build $(BUILD) --target contact_sheet -j $(JOBS)

clean:
	rm -rf $(BUILD)
